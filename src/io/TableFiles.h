#pragma once

#include "data/DataTable.h"
#include "data/Result.h"
#include "data/TableContents.h"
#include "data/TextGrid.h"
#include "io/FileFormats.h"
#include "io/SpreadsheetFile.h"

#include <optional>
#include <utility>
#include <vector>

// The table files the program opens and writes, one way in and out for the window and the command
// line alike: the data text file (156 fields in code page 932), CSV and tab-separated text, and a
// sheet of .xlsx and .ods workbooks, which are only read. Every table goes file -> grid -> boxes.

// A table read from a file, as it goes into the entry boxes.
struct LoadedTable {
    TextGrid grid; // every label and value box, 11 rows of 13 cells (see EntryGrid)
    // A data text file's descriptions, or those the lines around a CSV file's or workbook's table
    // give (title, unit, source, note); none where it gives none, and the boxes keep theirs.
    std::optional<Descriptions> descriptions;
    // A data text file whole, the cells that no box shows included: the window keeps it as its
    // dataset, so that its next save writes those cells again.
    std::optional<DataTable> dataFile;
    QString notice;  // what unreadableValuesMessage tells of a CSV file's or workbook's values
    QString leftOut; // what leftOutTotalsMessage tells of the totals left out
    QString sheet;   // the workbook's sheet it came from
};

// Reads the file as `format`. A data text file must hold all 156 fields and fills the boxes as
// outputData shows them, unless it holds tabs and none of the 156 fields: then it is a
// tab-separated table, as spreadsheets export text. A CSV file or workbook (its sheet as `sheet`
// asks) is laid onto the grid by layOutBlock, and refused when it holds no table, too large a
// table, or a quoted cell that never closes. A failure names `path`.
Result<LoadedTable> loadTable(const QString& path, DataFormat format,
                              const SheetRequest& sheet = {});

// Reads a table whose kind its bytes tell (from standard input): a workbook by its zip content,
// else the data text file when the bytes hold its 156 fields, else CSV or tab-separated text.
// A failure names `name`.
Result<LoadedTable> loadTableBytes(const QByteArray& bytes, const QString& name,
                                   const SheetRequest& sheet = {});

// What to tell of a table read: its values that read as no number and its totals left out, in
// one message; empty when there is nothing to tell.
QString loadedNotice(const LoadedTable& table);

// Sets the label and value boxes to the table's grid, the descriptions when it has them, and the
// cells no box shows to a data file's (none for any other file).
void fillBoxes(TableContents& boxes, const LoadedTable& table);

// Cells of the dataset (row, column) whose text lost characters the file cannot hold.
using LossyCells = std::vector<std::pair<int, int>>;

// Writes the dataset through a temporary file that replaces `path` only once it is complete, so a
// failed save leaves the old file as it was (in place where the folder takes no new file): as CSV
// the grid of tableGrid, in any other format the data text file, whose characters outside code
// page 932 become '?'.
Result<LossyCells> saveTable(const QString& path, DataFormat format, const DataTable& table);
// The same of the boxes' dataset, whose empty value boxes a CSV file keeps empty. A number beyond
// the 64-bit range throws as inputData does.
Result<LossyCells> saveTable(const QString& path, DataFormat format, const TableContents& boxes);

// What to tell after a save that replaced characters, naming their boxes; empty when none were.
QString lossyCellsMessage(const QString& path, const LossyCells& cells);
