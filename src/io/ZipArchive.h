#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

struct zip;
struct zip_file;

// A zip archive held in memory, read with libzip, whose entries are inflated a piece at a time
// and counted as they stream: each against a limit of its own and all against one budget, so that
// however small the archive, inflating it stops once it has given more than either.
class ZipArchive {
public:
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ~ZipArchive();

    // Nothing when the bytes are no zip archive libzip can open; `bytes` must outlive it.
    static std::unique_ptr<ZipArchive> open(const QByteArray& bytes, std::int64_t entryLimit,
                                            std::int64_t budget);

    bool contains(const QString& name) const;
    // The entry's bytes while they stream; nothing when there is no such entry or it cannot be
    // opened (encrypted, an unknown compression).
    std::unique_ptr<QIODevice> entry(const QString& name);
    // The entry whole, at most `limit` bytes of it; nothing when it is missing, larger or broken.
    std::optional<QByteArray> readAll(const QString& name, qint64 limit);
    // Whether an entry stopped because a limit was reached, rather than because it was broken.
    bool overBudget() const { return overBudget_; }

private:
    friend class ZipEntryDevice;
    ZipArchive(zip* archive, std::int64_t entryLimit, std::int64_t budget)
        : archive_(archive)
        , entryLimit_(entryLimit)
        , budget_(budget) {}

    zip* archive_ = nullptr;
    std::int64_t entryLimit_ = 0;
    std::int64_t budget_ = 0;
    bool overBudget_ = false;
};
