#pragma once

#include "data/Result.h"
#include "data/TextGrid.h"

#include <QByteArray>
#include <QString>

// Tables read from the workbooks of spreadsheet programs, .xlsx and .ods, with liborcus.

enum class SpreadsheetKind { Xlsx, Ods };

// The used range of the first sheet, from its top-left cell that holds a value to its
// bottom-right one: numbers in the general form with 15 digits (1234, 0.5), strings as they
// are, booleans as TRUE and FALSE (those of .xlsx: liborcus 0.17 passes on none of .ods),
// formulas by the result the file keeps (nothing is calculated), dates by their serial number;
// cells without a value empty. A range of more than
// the entry grid's 11 rows or 13 columns is refused with a message that gives its size, as are
// files that are not workbooks of their kind, encrypted or old .xls files and broken ones.
Result<KeptBlock> readSpreadsheet(const QByteArray& bytes, SpreadsheetKind kind);

// The kind by the file name's extension (.xlsx or .ods, in any case). Refuses what is not a
// regular file of at most MaxTableFileBytes before reading it.
Result<KeptBlock> loadSpreadsheet(const QString& path);
