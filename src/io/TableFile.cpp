#include "io/TableFile.h"

#include "io/CsvFile.h"

namespace {

bool holdsNothing(const TextGrid& block) {
    for (const std::vector<QString>& row : block)
        for (const QString& cell : row)
            if (!cell.trimmed().isEmpty())
                return false;
    return true;
}

} // namespace

GridLayout loadGridFile(const QString& path) {
    // One row and column more than the grid takes are enough to tell a table that is too large.
    DelimitedText read;
    if (const QString error = loadCsvFile(path, read, GridRows + 1, GridColumns + 1);
        !error.isEmpty())
        return {{}, error, {}};
    if (read.unclosedQuote)
        return {
            {},
            QStringLiteral("引用符 (\") で始まるセルが閉じないまま、ファイルが終わっています。"),
            {}};
    if (holdsNothing(read.grid))
        return {{}, QStringLiteral("ファイルに表がありません。"), {}};
    return layOutBlock(read.grid, read.rows, read.columns);
}
