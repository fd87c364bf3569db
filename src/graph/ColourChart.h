#pragma once

#include "graph/ChartLayout.h"
#include "graph/GraphSize.h"

class DataTable;
struct TableContents;

// The colour quantity-rate chart of the dataset, drawn whole onto the graph window's canvas:
// frame, texts, totals and the ten bars. The dataset must already hold the boxes' contents; the
// plot area is the one the size options left, which the standard size sets anew. Returns what
// was drawn, with its failure where a total, width or height cannot be computed; what was drawn
// before stays.
ChartLayout drawColourChart(PlotGeometry& plot, const DataTable& table, const TableContents& boxes,
                            GraphSurface& surface, GraphSize selected, const TextMetrics& metrics,
                            const ChartOptions& options = {});
