#pragma once

struct ChartState;
class Canvas;
class DataTable;
class EntryBoxes;

// One bar of the black-and-white chart, the bar of row n (1..10): twelve boxes, each filled with
// its column's pattern and outlined in one operation at line width 2, then the row's label.
// Rows must be drawn in order; row 1 sets the line width even when it is empty.
void drawPatternRow(ChartState& state, const DataTable& table, const EntryBoxes& boxes, Canvas& pic,
                    int n);
