#pragma once

#include "data/TableContents.h"
#include "data/TextGrid.h"

#include <QStringList>

// A table as offices and statistics bureaus lay it out in a sheet, found as a person reads it:
// title lines above the header (one text each, the unit perhaps at the right), the header, the
// rows of numbers with their labels, totals among them, and notes and sources below.
struct FoundTable {
    // The header row (when there is one) and the rows of numbers, blank rows and columns around
    // them and the totals left out.
    TextGrid block;
    // The title, unit, source and note the lines around the table give; the author never.
    Descriptions descriptions;
    QStringList leftOutRows;    // the labels of the total rows left out
    QStringList leftOutColumns; // ... and of the total columns
};

// Finds the table in `sheet`: blank rows and columns around it dropped; above the first row
// with numbers, lines of one text are title lines and the row right above it is the header when
// it reads as one; below the last row with numbers, lines of one text are notes and sources. A
// unit line, or a unit at the right end of a title line or of the header ("(単位:万人)",
// "単位:千円", "[千人]" alone), gives the unit. A row or column whose label is a word for a total
// (合計, 総数, 全国, Total ...) or whose every value is the sum of the others' within 0.5 % is left
// out. A sheet in which no row holds a number, and the program's own grid of 11 rows by 13 columns
// with an empty corner, are given back as they are.
FoundTable findTable(const TextGrid& sheet);

// Whether the first row of a block is its header: its first cell empty or a text, and none of
// its other cells a number, but for whole numbers from 1900 to 2100 (years) over a column of
// labels.
bool isHeaderRow(const TextGrid& block);

// What to tell of the totals left out, naming them; empty when none were.
QString leftOutTotalsMessage(const FoundTable& table);
