#include "io/TableFile.h"

#include "io/CsvFile.h"
#include "io/SpreadsheetFile.h"

namespace {

bool holdsNothing(const TextGrid& block) {
    for (const std::vector<QString>& row : block)
        for (const QString& cell : row)
            if (!cell.trimmed().isEmpty())
                return false;
    return true;
}

// The block of the file, of which only the first rows and columns may be kept, and its whole
// size; or why it cannot be read.
struct Block {
    TextGrid cells;
    int rows = 0;
    int columns = 0;
    QString error;
};

Block readBlock(const QString& path, DataFormat format) {
    if (format == DataFormat::Xlsx || format == DataFormat::Ods) {
        SpreadsheetTable sheet = loadSpreadsheet(path);
        return {std::move(sheet.grid), sheet.rows, sheet.columns, sheet.error};
    }
    // One row and column more than the grid takes are enough to tell a table that is too large.
    DelimitedText read;
    if (QString error = loadCsvFile(path, read, GridRows + 1, GridColumns + 1); !error.isEmpty())
        return {{}, 0, 0, error};
    if (read.unclosedQuote)
        return {
            {},
            0,
            0,
            QStringLiteral("引用符 (\") で始まるセルが閉じないまま、ファイルが終わっています。")};
    return {std::move(read.grid), read.rows, read.columns, {}};
}

} // namespace

GridLayout loadGridFile(const QString& path, DataFormat format) {
    const Block block = readBlock(path, format);
    if (!block.error.isEmpty())
        return {{}, block.error, {}};
    if (holdsNothing(block.cells))
        return {{}, QStringLiteral("ファイルに表がありません。"), {}};
    return layOutBlock(block.cells, block.rows, block.columns);
}
