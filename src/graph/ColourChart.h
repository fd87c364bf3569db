#pragma once

#include "graph/GraphSize.h"

struct ChartState;
class DataTable;
class EntryBoxes;

// The colour quantity-rate chart of the dataset, drawn whole onto the graph window's canvas:
// frame, texts, totals and the ten bars. The dataset must already hold the boxes' contents.
// Throws a RuntimeError when a total, width or height cannot be computed; what was drawn
// before stays.
void drawColourChart(ChartState& state, const DataTable& table, const EntryBoxes& boxes,
                     GraphSurface& surface, GraphSize selected);
