// Feeds arbitrary bytes to the CSV reader. Whatever it reads keeps to its limits, and a table it
// lays onto the grid, written as the program writes CSV, reads back the same.
#include "data/EntryGrid.h"
#include "io/CsvFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Result<DelimitedText> read = decodeCsv(bytes, GridRows + 1, GridColumns + 1);
    if (!read)
        return 0;
    if (read->grid.size() > GridRows + 1 || static_cast<int>(read->grid.size()) > read->rows)
        std::abort();
    for (const std::vector<QString>& row : read->grid)
        if (row.size() > GridColumns + 1 || static_cast<int>(row.size()) > read->columns)
            std::abort();
    const Result<GridLayout> layout = layOutBlock(read->grid, read->rows, read->columns);
    if (!layout)
        return 0;
    const Result<DelimitedText> again =
        decodeCsv(encodeCsv(layout->grid), GridRows + 1, GridColumns + 1);
    if (!again)
        std::abort();
    const Result<GridLayout> relaid = layOutBlock(again->grid, again->rows, again->columns);
    if (!relaid || relaid->grid != layout->grid)
        std::abort();
    return 0;
}
