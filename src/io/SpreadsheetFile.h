#pragma once

#include "data/Result.h"
#include "data/TextGrid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Tables read from the workbooks of spreadsheet programs, .xlsx and .ods.

enum class SpreadsheetKind { Xlsx, Ods };

// Which sheet to read. The sheet that holds a table is one that shows a number cell; hidden
// sheets are passed over.
struct SheetRequest {
    // A sheet's name, or its number among the shown sheets (from 1); empty for the first shown
    // sheet that holds a table.
    QString sheet;
    // Asked, when no sheet is named and more than one shown sheet holds a table, with their
    // names: the index of the one to read, or nothing to read none.
    std::function<std::optional<qsizetype>(const QStringList& names)> choose;
};

// A table read from a workbook, and the sheet it came from.
struct SheetTable {
    KeptBlock block;
    QString sheet;
};

// The table of the requested sheet as it shows: hidden rows and columns left out, numbers in the
// general form with 15 digits (1234, 0.5) whatever their format, dates and times as their format
// shows them, strings as they are, booleans as TRUE and FALSE, errors by their text, formulas by
// the result the file keeps (nothing is calculated). The block holds every shown cell, titles and
// notes included, for findTable to read the table in it. A sheet
// whose shown cells spread over more than 200 rows or 50 columns is refused unread beyond that,
// with a message that gives the size, as are files that are not workbooks of their kind, encrypted
// or old .xls files and broken ones.
Result<SheetTable> readSpreadsheet(const QByteArray& bytes, SpreadsheetKind kind,
                                   const SheetRequest& request = {});

// The kind of a workbook by its content, if it is one.
std::optional<SpreadsheetKind> spreadsheetKindOf(const QByteArray& bytes);
