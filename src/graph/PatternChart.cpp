#include "graph/PatternChart.h"

#include "graph/Canvas.h"
#include "graph/ChartDrawing.h"
#include "graph/SizeOption.h"

ChartLayout drawPatternChart(PlotGeometry& plot, const DataTable& table, const TableContents& boxes,
                             GraphSurface& surface, GraphSize selected, const TextMetrics& metrics,
                             const ChartOptions& options) {
    Canvas& pic = surface.canvas();
    pic.cls();
    pic.setBackColor(tableColour(WhiteSlot));
    applyChartSize(plot, surface, selected);

    ChartLayout layout = layoutChart(ChartKind::Pattern, table, boxes, plot, metrics, options,
                                     heightsOf(selected).canvasHeight);
    drawChartLayout(layout, pic);
    return layout;
}
