#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A set of paths in 8 bytes each however long they are, so that a run over a hundred thousand
// files holds them in under a megabyte or two. A path is known by 64 bits of its SHA-1: two of a
// hundred thousand paths share them with odds of about one in four billion.
class PathSet {
public:
    bool contains(const QString& path) const;
    // Whether the path was new.
    bool insert(const QString& path);

private:
    static std::uint64_t fingerprint(const QString& path);
    // Where `key` is, or the empty slot where it would go.
    std::size_t slotOf(std::uint64_t key) const;

    std::vector<std::uint64_t> slots_ = std::vector<std::uint64_t>(1024); // 0: empty
    std::size_t size_ = 0;
};
