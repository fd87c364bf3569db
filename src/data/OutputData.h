#pragma once

#include <QString>

class DataTable;
class EntryBoxes;

// The text a cell shows in its box: empty, the text unchanged, or the number in the general
// form with up to 15 significant digits, which reads back to the same value.
QString cellText(const DataTable& table, int r, int c);

// Empties the 120 value boxes, row by row.
void textClr1(EntryBoxes& boxes);
// Empties the 27 label and description boxes, the title included.
void textClr2(EntryBoxes& boxes);
// Empties every box, then writes the 147 cells of the layout back into their boxes in the order
// in which inputData() reads them.
void outputData(const DataTable& table, EntryBoxes& boxes);
