#pragma once

#include "data/Result.h"
#include "data/TableContents.h"
#include "data/TextGrid.h"

class DataTable;

// The grid of the dataset: labels as they are, numbers in the general form with 15 digits (0.5,
// 1E+16), empty cells empty. 11 rows of 13 cells.
TextGrid tableGrid(const DataTable& table);
// The grid of the boxes as a CSV file keeps it: that of their dataset, numbers as the chart reads
// them, but empty where a value box is empty. A number beyond the 64-bit range throws as
// inputData does.
TextGrid tableGrid(const TableContents& boxes);

// Which edges of a block from outside hold labels. A text here is a cell that holds something
// other than a number as spreadsheets show numbers (a blank cell or a placeholder such as "-" is
// no text). A block has a header row when isHeaderRow says so; it has a label column when its
// first column below the first row holds a text. The
// program's own grid, exactly 11 by 13 cells with an empty corner, has both whatever its labels
// hold.
struct BlockShape {
    bool headerRow = false;
    bool labelColumn = false;
    bool operator==(const BlockShape&) const = default;
};
BlockShape blockShape(const TextGrid& block);

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

// Where a block from outside goes. A block with a header row or a label column goes by its
// labels: the header row into the column labels, the label column into the row labels and the
// values from 1A on beside them; a text in the corner has no box and is dropped. Any other block
// goes with its top-left cell to (row, column), filling right and down. A cell that lands in a
// value box comes as the plain number where it reads as one in a display form ("1,234" as 1234,
// "▲100" as -100), empty where it is a placeholder for no value ("-"), else as it is. Cells beyond
// the grid's last row or column are left out and counted; a ragged row places only its cells.
Placement placeBlock(const TextGrid& block, int row, int column);

// Tells of the value boxes among `cells` that hold a text that does not read wholly as a number,
// naming the first; empty when there are none.
QString unreadableValuesMessage(const std::vector<GridCell>& cells);

// A sheet from a file: the table findTable finds in it, laid onto the whole grid as placeBlock
// lays it, from 1A where it has no labels; boxes it has no cell for are empty. `rows` and
// `columns` give the sheet's whole size where only its first rows and columns were kept; -1 for
// the block's own. A table of more values than the grid takes cannot be loaded, nor a sheet of
// more than MaxSheetRows rows or MaxSheetColumns columns.
inline constexpr int MaxSheetRows = 200;
inline constexpr int MaxSheetColumns = 50;
struct GridLayout {
    TextGrid grid;             // 11 rows of 13 cells
    QString notice;            // what unreadableValuesMessage tells of its values
    QString leftOut;           // what leftOutTotalsMessage tells
    Descriptions descriptions; // the title, unit, source and note around the table
};
Result<GridLayout> layOutBlock(const TextGrid& block, int rows = -1, int columns = -1);
