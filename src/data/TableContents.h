#pragma once

#include "data/Cell.h"
#include "data/GraphSize.h"
#include "data/TextGrid.h"

#include <QString>

#include <array>

// The five boxes that describe the chart as a whole, in the order of row 11 of the dataset.
enum class Description { Title = 1, Unit, Source, Note, Author };

inline constexpr Description AllDescriptions[] = {Description::Title, Description::Unit,
                                                  Description::Source, Description::Note,
                                                  Description::Author};

// The texts of the five description boxes, in the order of AllDescriptions.
using Descriptions = std::array<QString, std::size(AllDescriptions)>;

// The label and value boxes as one grid of 11 rows by 13 columns, the form in which tables go to
// and come from spreadsheets: row 0 holds the column labels A to L in columns 1 to 12 (column 0
// is an empty corner that holds no box), rows 1 to 10 hold the row label in column 0 and the
// values A to L in columns 1 to 12.
inline constexpr int GridRows = 11;
inline constexpr int GridColumns = 13;

// The cells of a data file that no box shows: the corner (0, 0), then row 11's first cell and
// its seven cells after the descriptions. Loading keeps them, so that the next save writes them
// again.
inline constexpr int UnshownCellCount = 9;
using UnshownCells = std::array<Cell, UnshownCellCount>;
// Where each unshown cell stands in the dataset, (row, column).
inline constexpr std::array<std::pair<int, int>, UnshownCellCount> UnshownPlaces = {
    {{0, 0}, {11, 0}, {11, 6}, {11, 7}, {11, 8}, {11, 9}, {11, 10}, {11, 11}, {11, 12}}};

// What the entry window holds, as values: the text of every box, the size chosen, what a data
// file brought that no box shows, and the file the table came from. Rows and columns of boxes
// count from 1, as in the dataset.
struct TableContents {
    TextGrid grid = TextGrid(GridRows, std::vector<QString>(GridColumns));
    Descriptions descriptions;
    GraphSize size = GraphSize::Standard;
    UnshownCells unshown;
    QString file; // empty for a table that came from no file

    QString value(int row, int column) const { return grid.at(row).at(column); }
    QString rowLabel(int row) const { return grid.at(row).at(0); }
    QString columnLabel(int column) const { return grid.at(0).at(column); }
    QString description(Description which) const;
    // Whether a description box holds nothing the user gave it: it is empty, or shows what a new
    // window shows.
    bool descriptionUntouched(std::size_t index) const;

    void setValue(int row, int column, const QString& text);
    void setRowLabel(int row, const QString& text);
    void setColumnLabel(int column, const QString& text);
    void setDescription(Description which, const QString& text);

    // A box by its place in the dataset: the grid's boxes, and the descriptions in row 11,
    // columns 1 to 5. The corner and the unshown cells hold no box: their text is empty and
    // setting it does nothing.
    QString boxText(int row, int column) const;
    void setBoxText(int row, int column, const QString& text);

    bool operator==(const TableContents&) const = default;
};

// What a new entry window shows: every box empty but the title, which shows "Title".
TableContents startContents();

// Whether (row, column) of the dataset is a box of the entry window.
bool isBox(int row, int column);
