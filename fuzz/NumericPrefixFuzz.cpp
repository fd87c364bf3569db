// Feeds arbitrary text to the numeric-prefix conversion. It must never fail but by reporting an
// overflow, never yield infinity or NaN, and the 15-digit text of its result must read back to
// the same value up to that precision.
#include "data/NumberFormat.h"
#include "data/NumericPrefix.h"
#include "data/RuntimeError.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    double value = 0;
    try {
        value = numericPrefix(text);
    } catch (const RuntimeError& error) {
        if (error.number() != 6)
            std::abort();
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();

    const QString shown = generalNumber(value);
    try {
        const double again = numericPrefix(shown);
        if (std::fabs(again - value) > std::fabs(value) * 1e-14)
            std::abort();
    } catch (const RuntimeError&) {
        // 15 digits of a value within a hair of the largest double round beyond it
        if (std::fabs(value) < 1.797693134862315e308)
            std::abort();
    }
    return 0;
}
