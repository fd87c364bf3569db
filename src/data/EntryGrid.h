#pragma once

#include "data/TextGrid.h"

class DataTable;
class EntryBoxes;

// The label and value boxes of the entry window as one grid of 11 rows by 13 columns, the form in
// which tables go to and come from spreadsheets: row 0 holds the column labels A to L in columns
// 1 to 12 (column 0 is an empty corner that holds no box), rows 1 to 10 hold the row label in
// column 0 and the values A to L in columns 1 to 12.
inline constexpr int GridRows = 11;
inline constexpr int GridColumns = 13;

// The text of the box at (row, column); the corner is empty.
QString gridText(const EntryBoxes& boxes, int row, int column);
// Sets the box at (row, column); the corner takes nothing.
void setGridText(EntryBoxes& boxes, int row, int column, const QString& text);
// The whole grid as the boxes show it: 11 rows of 13 cells.
TextGrid readGrid(const EntryBoxes& boxes);
// The grid of the dataset: labels as they are, numbers in the general form with 15 digits (0.5,
// 1E+16), empty cells empty. 11 rows of 13 cells.
TextGrid tableGrid(const DataTable& table);

// A block that looks like a table with its headers: at least 2 rows and 2 columns, its top-left
// cell empty, every other cell of its first row a text, and the first cell of every row below a
// text. A text is a cell that does not read wholly as a number (a blank cell is a text). A block
// of exactly 11 by 13 cells with its top-left cell empty is the whole grid as the program copies
// and saves it, and counts as a table with headers whatever its labels hold.
bool hasHeaders(const TextGrid& block);

struct GridCell {
    int row = 0;
    int column = 0;
    QString text;
    bool operator==(const GridCell&) const = default;
};

struct Placement {
    std::vector<GridCell> cells; // where each cell of the block goes, row by row
    int leftOut = 0;             // cells of the block that fall outside the grid
};

// Where a pasted block goes: a block with headers to the corner (its top-left cell on the corner,
// which takes nothing and is not counted as left out), any other block with its top-left cell at
// (row, column), filling right and down. Cells beyond the grid's last row or column are left
// out and counted; a ragged row places only the cells it has.
Placement placeBlock(const TextGrid& block, int row, int column);
