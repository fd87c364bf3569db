#include "cli/RepeatedNames.h"

#include <QHash>

namespace {

std::size_t bitOf(const QString& name, std::size_t bits) {
    return qHash(name) & (bits - 1);
}

} // namespace

void RepeatedNames::add(const QString& name) {
    const std::size_t bit = bitOf(name, Bits);
    if (once_[bit])
        twice_[bit] = true;
    once_[bit] = true;
}

bool RepeatedNames::mayRepeat(const QString& name) const {
    return twice_[bitOf(name, Bits)];
}
