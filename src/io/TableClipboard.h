#pragma once

#include "data/TextGrid.h"

#include <optional>

class QMimeData;

// Tables on the clipboard as spreadsheets exchange them: tab-separated text, and an HTML table
// for programs that take one.

// The grid as tab-separated text/plain and as a text/html table.
QMimeData* tableMimeData(const TextGrid& grid);
// The block that the clipboard holds, when it holds more than one cell: its text first, tab-
// separated, and where it has no text the first table of its HTML. A single cell is for the box
// to paste as text.
std::optional<TextGrid> clipboardBlock(const QMimeData* data);
// The single cell the clipboard holds, without the one line end that spreadsheets put after it.
QString clipboardCell(const QMimeData* data);
// The cells' texts of the first table in the HTML, rows as the table has them; a merged cell's
// text is in its top-left cell. Nothing when the HTML holds no table.
std::optional<TextGrid> firstHtmlTable(const QString& html);
