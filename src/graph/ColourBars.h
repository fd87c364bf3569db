#pragma once

struct ChartState;
class Canvas;
class DataTable;
class EntryBoxes;

// One bar of the colour chart, the bar of row n (1..10): twelve segments filled in the column
// colours, then outlined, then the row's label left of the bar. Rows must be drawn in order,
// since a bar lies below the bars of the rows before it.
void drawColourRow(ChartState& state, const DataTable& table, const EntryBoxes& boxes, Canvas& pic,
                   int n);
