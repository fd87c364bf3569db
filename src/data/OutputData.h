#pragma once

class DataTable;
class EntryBoxes;

// Empties the 120 value boxes, row by row.
void textClr1(EntryBoxes& boxes);
// Empties the 27 label and description boxes, the title included.
void textClr2(EntryBoxes& boxes);
// Empties every box, then writes the 147 cells of the layout back into their boxes in the order
// in which inputData() reads them.
void outputData(const DataTable& table, EntryBoxes& boxes);
