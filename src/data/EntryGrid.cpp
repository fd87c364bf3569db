#include "data/EntryGrid.h"

#include "data/DataTable.h"
#include "data/EntryBoxes.h"
#include "data/NumberFormat.h"

#include <QRegularExpression>

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

// A decimal number and nothing else, as the C library reads it, but without the words (inf,
// nan) and hexadecimal forms: those are more likely labels than numbers.
bool isNumber(const QString& cell) {
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?$)"));
    return number.match(cell.trimmed()).hasMatch();
}

// A cell a ragged row does not have reads as blank.
QString cellAt(const TextGrid& block, std::size_t row, std::size_t column) {
    return column < block[row].size() ? block[row][column] : QString();
}

} // namespace

QString gridText(const EntryBoxes& boxes, int row, int column) {
    if (isCorner(row, column))
        return {};
    if (row == 0)
        return boxes.columnLabel(column);
    if (column == 0)
        return boxes.rowLabel(row);
    return boxes.value(row, column);
}

void setGridText(EntryBoxes& boxes, int row, int column, const QString& text) {
    if (isCorner(row, column))
        return;
    if (row == 0)
        boxes.setColumnLabel(column, text);
    else if (column == 0)
        boxes.setRowLabel(row, text);
    else
        boxes.setValue(row, column, text);
}

TextGrid readGrid(const EntryBoxes& boxes) {
    TextGrid grid(GridRows, std::vector<QString>(GridColumns));
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c)
            grid[r][c] = gridText(boxes, r, c);
    return grid;
}

TextGrid tableGrid(const DataTable& table) {
    TextGrid grid(GridRows, std::vector<QString>(GridColumns));
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c)
            if (!isCorner(r, c))
                grid[r][c] = cellText(table(r, c));
    return grid;
}

bool hasHeaders(const TextGrid& block) {
    std::size_t columns = 0;
    for (const std::vector<QString>& row : block)
        columns = std::max(columns, row.size());
    if (block.size() < 2 || columns < 2 || !cellAt(block, 0, 0).trimmed().isEmpty())
        return false;
    // The whole grid as the program copies and saves it, whatever its labels hold (years, say).
    if (block.size() == GridRows && columns == GridColumns)
        return true;
    for (std::size_t c = 1; c < block[0].size(); ++c)
        if (isNumber(block[0][c]))
            return false;
    for (std::size_t r = 1; r < block.size(); ++r)
        if (isNumber(cellAt(block, r, 0)))
            return false;
    return true;
}

Placement placeBlock(const TextGrid& block, int row, int column) {
    if (hasHeaders(block))
        row = column = 0;
    Placement placement;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            const int gridRow = row + static_cast<int>(r);
            const int gridColumn = column + static_cast<int>(c);
            if (isCorner(gridRow, gridColumn))
                continue; // holds no box, and a block with headers puts nothing there
            if (gridRow >= GridRows || gridColumn >= GridColumns)
                ++placement.leftOut;
            else
                placement.cells.push_back({gridRow, gridColumn, block[r][c]});
        }
    }
    return placement;
}
