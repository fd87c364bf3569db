// Feeds arbitrary bytes to the data file reader. Whatever it loads must save and load back to
// the same table, numbers to the 15 significant digits the file keeps, unless saving had to
// replace characters that code page 932 cannot hold.
#include "data/DataTable.h"
#include "io/DataFileFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameCell(const Cell& loaded, const Cell& reloaded) {
    const double* a = std::get_if<double>(&loaded);
    if (!a)
        return loaded == reloaded;
    if (const double* b = std::get_if<double>(&reloaded))
        return std::fabs(*a - *b) <= std::fabs(*a) * 1e-14;
    // 15 digits of a value within a hair of the largest double round beyond it
    return std::fabs(*a) >= 1.797693134862315e308;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<DataTable> table =
        decodeDataFile(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!table)
        return 0;
    const EncodedTable saved = encodeDataFile(*table);
    if (!saved.lossyCells.empty())
        return 0;
    const Result<DataTable> again = decodeDataFile(saved.bytes.constData(), saved.bytes.size());
    if (!again)
        std::abort();
    for (int r = 0; r < DataTable::Rows; ++r)
        for (int c = 0; c < DataTable::Columns; ++c)
            if (!sameCell((*table)(r, c), (*again)(r, c)))
                std::abort();
    return 0;
}
