#include "io/TableFiles.h"

#include "data/BoxNames.h"
#include "data/EntryGrid.h"
#include "data/InputData.h"
#include "data/OutputData.h"
#include "io/CsvFile.h"
#include "io/DataFileFormat.h"
#include "io/SaveFile.h"
#include "io/TableFileBytes.h"
#include "io/TextDecoding.h"

#include <QStringList>

#include <algorithm>

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
    return {std::move(shown.grid), shown.descriptions, table, {}, {}, {}};
}

bool holdsNothing(const TextGrid& block) {
    for (const std::vector<QString>& row : block)
        for (const QString& cell : row)
            if (!cell.trimmed().isEmpty())
                return false;
    return true;
}

// The block of delimited text, by the separator its first line holds most of or by `separator`.
Result<KeptBlock> readDelimitedBlock(const QByteArray& bytes,
                                     std::optional<char16_t> separator = std::nullopt) {
    // One row and column more than a sheet may hold are enough to tell one that is too large.
    Result<DelimitedText> read = decodeCsv(bytes, MaxSheetRows + 1, MaxSheetColumns + 1, separator);
    if (!read)
        return read.failure();
    if (read->unclosedQuote)
        return refused(
            QStringLiteral("引用符 (\") で始まるセルが閉じないまま、ファイルが終わっています。"));
    return KeptBlock{std::move(read->grid), read->rows, read->columns};
}

// A block from outside laid onto the grid.
Result<LoadedTable> laidOut(const Result<KeptBlock>& block, const QString& sheet = {}) {
    if (!block)
        return block.failure();
    if (holdsNothing(block->grid))
        return refused(QStringLiteral("ファイルに表がありません。"));
    Result<GridLayout> layout = layOutBlock(block->grid, block->rows, block->columns);
    if (!layout)
        return layout.failure();
    std::optional<Descriptions> descriptions;
    if (std::ranges::any_of(layout->descriptions,
                            [](const QString& text) { return !text.isEmpty(); }))
        descriptions = layout->descriptions;
    return LoadedTable{
        std::move(layout->grid),    descriptions, std::nullopt, std::move(layout->notice),
        std::move(layout->leftOut), sheet};
}

Result<LoadedTable> laidOutSheet(const Result<SheetTable>& table) {
    if (!table)
        return table.failure();
    return laidOut(table->block, table->sheet);
}

// A .txt file that is no data file: a tab-separated table when it holds tabs, as spreadsheets
// export text in any of the encodings decodeText reads.
Result<LoadedTable> readTextExport(const QString& path, const Failure& asDataFile) {
    const Result<QByteArray> bytes = readTableFileBytes(path);
    if (!bytes)
        return bytes.failure();
    const Result<QString> text = decodeText(*bytes);
    if (text && text->contains(u'\t'))
        return laidOut(readDelimitedBlock(*bytes, u'\t'));
    if (bytes->isEmpty())
        return asDataFile;
    // Named as what the file was expected to be: either of the two.
    return Failure{
        asDataFile.action,
        {},
        QStringLiteral("データファイルの %1。タブ区切りの表でもありません").arg(asDataFile.reason)};
}

Result<LoadedTable> readTable(const QString& path, DataFormat format, const SheetRequest& sheet) {
    if (format == DataFormat::Text) {
        const Result<DataTable> table = readDataFile(path);
        if (table)
            return shownTable(*table);
        if (table.failure().action != Action::LoadIncompleteTable)
            return table.failure();
        return readTextExport(path, table.failure());
    }
    const Result<QByteArray> bytes = readTableFileBytes(path);
    if (!bytes)
        return bytes.failure();
    if (format == DataFormat::Xlsx || format == DataFormat::Ods)
        return laidOutSheet(readSpreadsheet(
            *bytes, format == DataFormat::Xlsx ? SpreadsheetKind::Xlsx : SpreadsheetKind::Ods,
            sheet));
    return laidOut(readDelimitedBlock(*bytes));
}

} // namespace

Result<LoadedTable> loadTable(const QString& path, DataFormat format, const SheetRequest& sheet) {
    return readTable(path, format, sheet).onFile(path);
}

Result<LoadedTable> loadTableBytes(const QByteArray& bytes, const QString& name,
                                   const SheetRequest& sheet) {
    if (const std::optional<SpreadsheetKind> kind = spreadsheetKindOf(bytes))
        return laidOutSheet(readSpreadsheet(bytes, *kind, sheet)).onFile(name);
    if (const Result<DataTable> table = decodeDataFile(bytes.constData(), bytes.size()))
        return shownTable(*table);
    return laidOut(readDelimitedBlock(bytes)).onFile(name);
}

QString loadedNotice(const LoadedTable& table) {
    return joinedMessages({table.notice, table.leftOut});
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
        const char16_t separator =
            path.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive) ? u'\t' : u',';
        if (const Result<void> saved =
                saveBytes(Action::SaveTable, path, encodeCsv(csvGrid, separator));
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
