#pragma once

#include "data/TableContents.h"

class DataTable;

// Empties the 120 value boxes, row by row.
void textClr1(TableContents& boxes);
// Empties the 27 label and description boxes, the title included.
void textClr2(TableContents& boxes);
// Empties every box, then writes the 147 cells of the layout back into their boxes in the order
// in which inputData() reads them, and keeps the cells that no box shows.
void outputData(const DataTable& table, TableContents& boxes);
// The cells of the dataset that no box shows, as the contents keep them.
UnshownCells unshownCells(const DataTable& table);
// Puts the cells no box shows into the dataset.
void putUnshownCells(const UnshownCells& cells, DataTable& table);
