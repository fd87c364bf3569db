// Feeds arbitrary bytes to the workbook reader: the first byte picks the kind (even .xlsx, odd
// .ods; the seeds start with x and o), the rest is the file. Whatever it reads must be a
// rectangle of the size it reports, within the bounds of a sheet's table.
#include "io/SheetCells.h"
#include "io/SpreadsheetFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const SpreadsheetKind kind = data[0] % 2 == 0 ? SpreadsheetKind::Xlsx : SpreadsheetKind::Ods;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    // The second of several sheets that hold a table, so that choosing is fuzzed too.
    const SheetRequest request{{}, [](const QStringList& names) { return names.size() - 1; }};
    const Result<SheetTable> table = readSpreadsheet(bytes, kind, request);
    if (!table)
        return 0;
    const KeptBlock& block = table->block;
    if (block.rows > SheetCells::MaxRows + 1 || block.columns > SheetCells::MaxColumns + 1 ||
        block.grid.size() != static_cast<std::size_t>(block.rows))
        std::abort();
    for (const std::vector<QString>& row : block.grid)
        if (row.size() != static_cast<std::size_t>(block.columns))
            std::abort();
    return 0;
}
