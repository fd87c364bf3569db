#include "data/TableContents.h"

#include <stdexcept>

namespace {

constexpr int DescriptionRow = 11;

std::size_t descriptionIndex(Description which) {
    return static_cast<std::size_t>(which) - 1;
}

bool inGrid(int row, int column) {
    return row >= 0 && row < GridRows && column >= 0 && column < GridColumns &&
           !(row == 0 && column == 0);
}

bool isDescription(int row, int column) {
    return row == DescriptionRow && column >= 1 &&
           column <= static_cast<int>(std::size(AllDescriptions));
}

// Rows and columns of the label and value boxes count from 1; a box past them is a fault of the
// caller, never the next row's box.
void checkBox(int row, int column) {
    if (row < 1 || row >= GridRows || column < 1 || column >= GridColumns)
        throw std::out_of_range("no such box");
}

} // namespace

QString TableContents::description(Description which) const {
    return descriptions.at(descriptionIndex(which));
}

bool TableContents::descriptionUntouched(std::size_t index) const {
    const QString& text = descriptions.at(index);
    return text.isEmpty() || text == startContents().descriptions.at(index);
}

void TableContents::setValue(int row, int column, const QString& text) {
    checkBox(row, column);
    grid[row][column] = text;
}

void TableContents::setRowLabel(int row, const QString& text) {
    checkBox(row, 1);
    grid[row][0] = text;
}

void TableContents::setColumnLabel(int column, const QString& text) {
    checkBox(1, column);
    grid[0][column] = text;
}

void TableContents::setDescription(Description which, const QString& text) {
    descriptions.at(descriptionIndex(which)) = text;
}

QString TableContents::boxText(int row, int column) const {
    if (inGrid(row, column))
        return grid[row][column];
    if (isDescription(row, column))
        return descriptions[column - 1];
    return {};
}

void TableContents::setBoxText(int row, int column, const QString& text) {
    if (inGrid(row, column))
        grid[row][column] = text;
    else if (isDescription(row, column))
        descriptions[column - 1] = text;
}

TableContents startContents() {
    TableContents start;
    start.setDescription(Description::Title, QStringLiteral("Title"));
    return start;
}

bool isBox(int row, int column) {
    return inGrid(row, column) || isDescription(row, column);
}
