#include "cli/PathSet.h"

#include <QCryptographicHash>

#include <cstring>

std::uint64_t PathSet::fingerprint(const QString& path) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(path.constData()),
                                                path.size() * qsizetype(sizeof(QChar))),
                                 QCryptographicHash::Sha1);
    std::uint64_t key = 0;
    std::memcpy(&key, digest.constData(), sizeof key);
    return key == 0 ? 1 : key; // 0 marks an empty slot
}

std::size_t PathSet::slotOf(std::uint64_t key) const {
    const std::size_t mask = slots_.size() - 1; // the size is a power of two
    std::size_t slot = key & mask;
    while (slots_[slot] != 0 && slots_[slot] != key)
        slot = (slot + 1) & mask;
    return slot;
}

bool PathSet::contains(const QString& path) const {
    return slots_[slotOf(fingerprint(path))] != 0;
}

bool PathSet::insert(const QString& path) {
    const std::uint64_t key = fingerprint(path);
    if (slots_[slotOf(key)] == key)
        return false;
    if (4 * (size_ + 1) > 3 * slots_.size()) { // at most three quarters full
        std::vector<std::uint64_t> kept(2 * slots_.size());
        kept.swap(slots_);
        for (const std::uint64_t old : kept)
            if (old != 0)
                slots_[slotOf(old)] = old;
    }
    slots_[slotOf(key)] = key;
    ++size_;
    return true;
}
