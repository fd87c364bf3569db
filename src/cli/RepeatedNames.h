#pragma once

#include <QString>

#include <vector>

// Which pictures of a run may be named alike, told from a fixed 512 KB of bits however many there
// are. A name met once in the whole run can never be met again, so the run need not remember
// that picture as written; of a hundred thousand different names about one in twenty shares its
// bits with another and is remembered all the same.
class RepeatedNames {
public:
    void add(const QString& name);
    // False only for a name added once at most.
    bool mayRepeat(const QString& name) const;

private:
    static constexpr std::size_t Bits = std::size_t(1) << 21;

    std::vector<bool> once_ = std::vector<bool>(Bits);
    std::vector<bool> twice_ = std::vector<bool>(Bits);
};
