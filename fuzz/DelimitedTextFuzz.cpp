// Feeds arbitrary bytes to the CSV reader. Whatever it reads keeps to its limits, and a table it
// lays onto the grid, written as the program writes CSV, reads back the same.
#include "data/EntryGrid.h"
#include "io/CsvFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DelimitedText read;
    if (!decodeCsv(bytes, read, GridRows + 1, GridColumns + 1).isEmpty())
        return 0;
    if (read.grid.size() > GridRows + 1 || static_cast<int>(read.grid.size()) > read.rows)
        std::abort();
    for (const std::vector<QString>& row : read.grid)
        if (row.size() > GridColumns + 1 || static_cast<int>(row.size()) > read.columns)
            std::abort();
    const GridLayout layout = layOutBlock(read.grid, read.rows, read.columns);
    if (!layout.refusal.isEmpty())
        return 0;
    DelimitedText again;
    if (!decodeCsv(encodeCsv(layout.grid), again, GridRows + 1, GridColumns + 1).isEmpty() ||
        layOutBlock(again.grid, again.rows, again.columns).grid != layout.grid)
        std::abort();
    return 0;
}
