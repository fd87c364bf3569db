// Feeds arbitrary bytes to the workbook reader: the first byte picks the kind (even .xlsx, odd
// .ods; the seeds start with x and o), the rest is the file. Whatever it reads must be a
// rectangle no larger than the entry grid, of the size it reports.
#include "data/EntryGrid.h"
#include "io/SpreadsheetFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const SpreadsheetKind kind = data[0] % 2 == 0 ? SpreadsheetKind::Xlsx : SpreadsheetKind::Ods;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const Result<KeptBlock> table = readSpreadsheet(bytes, kind);
    if (!table)
        return 0;
    if (table->rows > GridRows || table->columns > GridColumns ||
        table->grid.size() != static_cast<std::size_t>(table->rows))
        std::abort();
    for (const std::vector<QString>& row : table->grid)
        if (row.size() != static_cast<std::size_t>(table->columns))
            std::abort();
    return 0;
}
