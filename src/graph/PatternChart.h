#pragma once

#include "graph/ChartLayout.h"
#include "graph/GraphSize.h"

class DataTable;
struct TableContents;

// The black-and-white quantity-rate chart: the colour chart's procedure with patterned legend
// keys and bars. The canvas keeps the line width and fill settings that the previous chart left,
// so the frame of a second black-and-white chart is drawn 2 pixels wide.
ChartLayout drawPatternChart(PlotGeometry& plot, const DataTable& table, const TableContents& boxes,
                             GraphSurface& surface, GraphSize selected, const TextMetrics& metrics,
                             const ChartOptions& options = {});
