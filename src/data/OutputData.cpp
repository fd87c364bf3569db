#include "data/OutputData.h"

#include "data/DataTable.h"
#include "data/NumberFormat.h"
#include "data/TableContents.h"

namespace {

// The text a cell shows in its box: empty, the text unchanged, or the number in the general form
// with up to 15 significant digits, which reads back to the same value.
QString cellText(const DataTable& table, int r, int c) {
    const Cell& cell = table(r, c);
    if (const QString* text = std::get_if<QString>(&cell))
        return *text;
    if (const double* number = std::get_if<double>(&cell))
        return generalNumber(*number, DoubleDigits);
    return {};
}

} // namespace

void textClr1(TableContents& boxes) {
    for (int r = 1; r <= DataTable::DataRows; ++r)
        for (int c = 1; c <= DataTable::DataColumns; ++c)
            boxes.setValue(r, c, QString());
}

void textClr2(TableContents& boxes) {
    for (int r = 1; r <= DataTable::DataRows; ++r)
        boxes.setRowLabel(r, QString());
    for (int c = 1; c <= 10; ++c)
        boxes.setColumnLabel(c, QString());
    for (Description which : AllDescriptions)
        boxes.setDescription(which, QString());
    boxes.setColumnLabel(11, QString());
    boxes.setColumnLabel(12, QString());
}

void outputData(const DataTable& table, TableContents& boxes) {
    textClr1(boxes);
    textClr2(boxes);
    for (int c = 1; c <= DataTable::DataColumns; ++c)
        boxes.setColumnLabel(c, cellText(table, 0, c));
    for (int r = 1; r <= DataTable::DataRows; ++r) {
        boxes.setRowLabel(r, cellText(table, r, 0));
        for (int c = 1; c <= DataTable::DataColumns; ++c)
            boxes.setValue(r, c, cellText(table, r, c));
    }
    for (Description which : AllDescriptions)
        boxes.setDescription(which,
                             cellText(table, DataTable::DescriptionRow, static_cast<int>(which)));
    boxes.unshown = unshownCells(table);
}

UnshownCells unshownCells(const DataTable& table) {
    UnshownCells cells;
    for (std::size_t i = 0; i < UnshownPlaces.size(); ++i)
        cells[i] = table(UnshownPlaces[i].first, UnshownPlaces[i].second);
    return cells;
}

void putUnshownCells(const UnshownCells& cells, DataTable& table) {
    for (std::size_t i = 0; i < UnshownPlaces.size(); ++i)
        table(UnshownPlaces[i].first, UnshownPlaces[i].second) = cells[i];
}
