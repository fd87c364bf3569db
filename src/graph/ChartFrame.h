#pragma once

#include "graph/ChartState.h"
#include "graph/GraphSize.h"

#include <QString>

#include <functional>

class Canvas;
class DataTable;
class EntryBoxes;

// The steps that the colour and the black-and-white chart share: everything around the bars.

// Writes the text with its top-left corner at (x, y).
void writeText(Canvas& pic, float x, float y, const QString& text);

// Fills the colour table: twelve column colours, black, bright white and grey.
void fillColorTable(ChartState& state);

// Fixes the plot area; the standard size also re-applies its plot, window and canvas heights,
// the other sizes keep what their option click set.
void applyChartSize(ChartState& state, GraphSurface& surface, GraphSize selected);

// Draws a legend key of `column` with its top-left corner at (x, y).
using LegendKey = std::function<void(int column, float x, float y)>;

// Scale, title, legend, unit, source, note and author, in this order.
void drawChartFrame(const PlotGeometry& plot, Canvas& pic, const EntryBoxes& boxes,
                    const LegendKey& drawKey);

// Row totals (summed in 64 bits, rounded once) and the grand total (rounded after every
// addition). A total beyond the 32-bit range throws an overflow RuntimeError.
void computeTotals(ChartState& state, const DataTable& table);

// "(総計：" total unit ")" above the plot area.
void drawGrandTotal(const ChartState& state, Canvas& pic, const EntryBoxes& boxes);
