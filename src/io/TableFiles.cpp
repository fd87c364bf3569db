#include "io/TableFiles.h"

#include "data/BoxNames.h"
#include "data/EntryGrid.h"
#include "data/InputData.h"
#include "data/OutputData.h"
#include "io/CsvFile.h"
#include "io/DataFileFormat.h"
#include "io/SaveFile.h"
#include "io/SpreadsheetFile.h"
#include "io/TableFileBytes.h"

#include <QStringList>

namespace {

Failure refused(const QString& reason) {
    return {Action::LoadTable, {}, reason};
}

Result<DataTable> readDataFile(const QString& path) {
    // Read, never mapped: a file cut short while it is read would end the program.
    const Result<QByteArray> bytes = readTableFileBytes(path);
    if (!bytes)
        return bytes.failure();
    return decodeDataFile(bytes->constData(), bytes->size());
}

// The boxes as loading a data file has always filled them.
LoadedTable shownTable(const DataTable& table) {
    TableContents shown;
    outputData(table, shown);
    return {std::move(shown.grid), shown.descriptions, table, {}};
}

// The block of a CSV file or workbook.
Result<KeptBlock> readBlock(const QString& path, DataFormat format) {
    if (format == DataFormat::Xlsx || format == DataFormat::Ods)
        return loadSpreadsheet(path);
    const Result<QByteArray> bytes = readTableFileBytes(path);
    if (!bytes)
        return bytes.failure();
    // One row and column more than the grid takes are enough to tell a table that is too large.
    Result<DelimitedText> read = decodeCsv(*bytes, GridRows + 1, GridColumns + 1);
    if (!read)
        return read.failure();
    if (read->unclosedQuote)
        return refused(
            QStringLiteral("引用符 (\") で始まるセルが閉じないまま、ファイルが終わっています。"));
    return KeptBlock{std::move(read->grid), read->rows, read->columns};
}

bool holdsNothing(const TextGrid& block) {
    for (const std::vector<QString>& row : block)
        for (const QString& cell : row)
            if (!cell.trimmed().isEmpty())
                return false;
    return true;
}

Result<LoadedTable> readTable(const QString& path, DataFormat format) {
    if (format == DataFormat::Text) {
        const Result<DataTable> table = readDataFile(path);
        if (!table)
            return table.failure();
        return shownTable(*table);
    }
    const Result<KeptBlock> block = readBlock(path, format);
    if (!block)
        return block.failure();
    if (holdsNothing(block->grid))
        return refused(QStringLiteral("ファイルに表がありません。"));
    Result<GridLayout> layout = layOutBlock(block->grid, block->rows, block->columns);
    if (!layout)
        return layout.failure();
    return LoadedTable{std::move(layout->grid), std::nullopt, std::nullopt,
                       std::move(layout->notice)};
}

} // namespace

Result<LoadedTable> loadTable(const QString& path, DataFormat format) {
    return readTable(path, format).onFile(path);
}

void fillBoxes(TableContents& boxes, const LoadedTable& table) {
    boxes.grid = table.grid;
    if (table.descriptions)
        boxes.descriptions = *table.descriptions;
    boxes.unshown = table.dataFile ? unshownCells(*table.dataFile) : UnshownCells{};
}

namespace {

Result<LossyCells> saveTable(const QString& path, DataFormat format, const DataTable& table,
                             const TextGrid& csvGrid) {
    if (format == DataFormat::Csv) {
        if (const Result<void> saved = saveBytes(Action::SaveTable, path, encodeCsv(csvGrid));
            !saved)
            return saved.failure();
        return LossyCells{};
    }
    EncodedTable encoded = encodeDataFile(table);
    if (const Result<void> saved = saveBytes(Action::SaveTable, path, encoded.bytes); !saved)
        return saved.failure();
    return std::move(encoded.lossyCells);
}

} // namespace

Result<LossyCells> saveTable(const QString& path, DataFormat format, const DataTable& table) {
    return saveTable(path, format, table, tableGrid(table));
}

Result<LossyCells> saveTable(const QString& path, DataFormat format, const TableContents& boxes) {
    DataTable table;
    inputData(boxes, table);
    putUnshownCells(boxes.unshown, table);
    return saveTable(path, format, table, tableGrid(boxes));
}

QString lossyCellsMessage(const QString& path, const LossyCells& cells) {
    if (cells.empty())
        return {};
    QStringList boxes;
    for (const auto& [r, c] : cells)
        boxes << cellBoxName(r, c);
    return QStringLiteral(
               "ファイル「%1」に保存しました。ただし次の欄には保存できない文字があったため、"
               "その文字を「?」に置き換えました。\n%2")
        .arg(path, boxes.join(QStringLiteral("、")));
}
