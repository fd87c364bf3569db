#include "data/EntryGrid.h"

#include "data/DataTable.h"
#include "data/DisplayNumber.h"
#include "data/InputData.h"
#include "data/NumberFormat.h"
#include "data/TableFinder.h"

#include <algorithm>

namespace {

bool isCorner(int row, int column) {
    return row == 0 && column == 0;
}

QString cellText(const Cell& cell) {
    if (const QString* text = std::get_if<QString>(&cell))
        return *text;
    if (const double* number = std::get_if<double>(&cell))
        return generalNumber(*number);
    return {};
}

bool isValueBox(int row, int column) {
    return row > 0 && column > 0;
}

// A cell that holds something, and not a number as a spreadsheet shows one.
bool isText(const QString& cell) {
    return !cell.trimmed().isEmpty() && !plainNumber(cell);
}

// A cell a ragged row does not have reads as blank.
QString cellAt(const TextGrid& block, std::size_t row, std::size_t column) {
    return column < block[row].size() ? block[row][column] : QString();
}

bool labelsBelowFirstRow(const TextGrid& block) {
    for (std::size_t r = 1; r < block.size(); ++r)
        if (isText(cellAt(block, r, 0)))
            return true;
    return false;
}

} // namespace

TextGrid tableGrid(const DataTable& table) {
    TextGrid grid(GridRows, std::vector<QString>(GridColumns));
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c)
            if (!isCorner(r, c))
                grid[r][c] = cellText(table(r, c));
    return grid;
}

TextGrid tableGrid(const TableContents& boxes) {
    DataTable table;
    inputData(boxes, table);
    TextGrid grid = tableGrid(table);
    for (int r = 1; r < GridRows; ++r)
        for (int c = 1; c < GridColumns; ++c)
            if (boxes.value(r, c).trimmed().isEmpty())
                grid[r][c].clear();
    return grid;
}

BlockShape blockShape(const TextGrid& block) {
    if (block.empty())
        return {};
    std::size_t columns = 0;
    for (const std::vector<QString>& row : block)
        columns = std::max(columns, row.size());
    const bool emptyCorner = cellAt(block, 0, 0).trimmed().isEmpty();
    // The whole grid as the program copies and saves it, whatever its labels hold (years, say).
    if (emptyCorner && block.size() == GridRows && columns == GridColumns)
        return {true, true};
    return {isHeaderRow(block), labelsBelowFirstRow(block)};
}

Placement placeBlock(const TextGrid& block, int row, int column) {
    const BlockShape shape = blockShape(block);
    if (shape.headerRow || shape.labelColumn) {
        row = shape.headerRow ? 0 : 1;
        column = shape.labelColumn ? 0 : 1;
    }
    Placement placement;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            const int gridRow = row + static_cast<int>(r);
            const int gridColumn = column + static_cast<int>(c);
            if (isCorner(gridRow, gridColumn))
                continue; // holds no box, and a block with labels puts nothing there
            if (gridRow >= GridRows || gridColumn >= GridColumns) {
                ++placement.leftOut;
                continue;
            }
            const QString& text = block[r][c];
            placement.cells.push_back(
                {gridRow, gridColumn,
                 isValueBox(gridRow, gridColumn) ? plainNumber(text).value_or(text) : text});
        }
    }
    return placement;
}

QString unreadableValuesMessage(const std::vector<GridCell>& cells) {
    int count = 0;
    const GridCell* first = nullptr;
    for (const GridCell& cell : cells) {
        if (isValueBox(cell.row, cell.column) && isText(cell.text)) {
            ++count;
            if (!first)
                first = &cell;
        }
    }
    if (!first)
        return {};
    // Named as a spreadsheet names its cells: column letter, then row.
    const QString name = QChar(u'A' + first->column - 1) + QString::number(first->row);
    return QStringLiteral("%1 個の数値欄 (%2 など) は数値として読めません。グラフでは先頭の数字"
                          "だけが使われます。")
        .arg(count)
        .arg(name);
}

namespace {

Failure tooLarge(int valueRows, int valueColumns) {
    constexpr int MaxRows = GridRows - 1;
    constexpr int MaxColumns = GridColumns - 1;
    return Failure{Action::LoadTable,
                   {},
                   QStringLiteral("表が大きすぎるため読み込めません。読み込めるのは %1 行 × %2 列"
                                  "までですが、このファイルの表は %3 行 × %4 列です。")
                       .arg(MaxRows)
                       .arg(MaxColumns)
                       .arg(valueRows)
                       .arg(valueColumns)};
}

int widthOf(const TextGrid& block) {
    int width = 0;
    for (const std::vector<QString>& row : block)
        width = std::max(width, static_cast<int>(row.size()));
    return width;
}

} // namespace

Result<GridLayout> layOutBlock(const TextGrid& block, int rows, int columns) {
    if (rows < 0)
        rows = static_cast<int>(block.size());
    if (columns < 0)
        columns = widthOf(block);
    if (rows > MaxSheetRows || columns > MaxSheetColumns) {
        const BlockShape whole = blockShape(block);
        return tooLarge(rows - (whole.headerRow ? 1 : 0), columns - (whole.labelColumn ? 1 : 0));
    }
    const FoundTable found = findTable(block);
    const BlockShape shape = blockShape(found.block);
    const int valueRows = static_cast<int>(found.block.size()) - (shape.headerRow ? 1 : 0);
    const int valueColumns = widthOf(found.block) - (shape.labelColumn ? 1 : 0);
    if (valueRows > GridRows - 1 || valueColumns > GridColumns - 1)
        return tooLarge(valueRows, valueColumns);
    const Placement placement = placeBlock(found.block, 1, 1);
    GridLayout layout{TextGrid(GridRows, std::vector<QString>(GridColumns)),
                      unreadableValuesMessage(placement.cells), leftOutTotalsMessage(found),
                      found.descriptions};
    for (const GridCell& cell : placement.cells)
        layout.grid[cell.row][cell.column] = cell.text;
    return layout;
}
