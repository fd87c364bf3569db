#pragma once

#include "data/TextGrid.h"

#include <optional>

class QMimeData;

// Tables on the clipboard as spreadsheets exchange them: tab-separated text, and an HTML table
// for programs that take one.

// The grid as tab-separated text/plain and as a text/html table.
QMimeData* tableMimeData(const TextGrid& grid);
// The block that the clipboard's text holds, when it holds more than one cell; a single cell is
// for the box to paste as it always did.
std::optional<TextGrid> clipboardBlock(const QMimeData* data);
