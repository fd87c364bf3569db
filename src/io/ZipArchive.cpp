#include "io/ZipArchive.h"

#include <zip.h>

// One entry of the archive as a sequential device: reading fails once the entry's limit or the
// archive's budget is spent, or when libzip finds the entry broken (its CRC among others).
class ZipEntryDevice : public QIODevice {
public:
    ZipEntryDevice(ZipArchive& archive, zip_file* file)
        : archive_(archive)
        , file_(file) {
        QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    ~ZipEntryDevice() override { zip_fclose(file_); }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override {
        if (archive_.overBudget_)
            return -1;
        const zip_int64_t read = zip_fread(file_, data, static_cast<zip_uint64_t>(size));
        if (read < 0)
            return -1;
        left_ -= read;
        archive_.budget_ -= read;
        archive_.overBudget_ = left_ < 0 || archive_.budget_ < 0;
        return archive_.overBudget_ ? -1 : read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    ZipArchive& archive_;
    zip_file* file_ = nullptr;
    std::int64_t left_ = archive_.entryLimit_;
};

ZipArchive::~ZipArchive() {
    zip_discard(archive_);
}

std::unique_ptr<ZipArchive> ZipArchive::open(const QByteArray& bytes, std::int64_t entryLimit,
                                             std::int64_t budget) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    zip_error_fini(&error);
    if (!source)
        return nullptr;
    zip_error_init(&error);
    zip* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return nullptr;
    }
    return std::unique_ptr<ZipArchive>(new ZipArchive(archive, entryLimit, budget));
}

bool ZipArchive::contains(const QString& name) const {
    return zip_name_locate(archive_, name.toUtf8().constData(), 0) >= 0;
}

std::unique_ptr<QIODevice> ZipArchive::entry(const QString& name) {
    zip_file* file = zip_fopen(archive_, name.toUtf8().constData(), 0);
    if (!file)
        return nullptr;
    return std::make_unique<ZipEntryDevice>(*this, file);
}

std::optional<QByteArray> ZipArchive::readAll(const QString& name, qint64 limit) {
    const std::unique_ptr<QIODevice> device = entry(name);
    if (!device)
        return std::nullopt;
    QByteArray bytes;
    for (qint64 read = -1; read != 0;) {
        const qsizetype before = bytes.size();
        bytes.resize(before + (16 << 10));
        read = device->read(bytes.data() + before, bytes.size() - before);
        if (read < 0)
            return std::nullopt;
        bytes.resize(before + read);
        if (bytes.size() > limit)
            return std::nullopt;
    }
    return bytes;
}
