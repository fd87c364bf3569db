#include "graph/ColourChart.h"

#include "graph/Canvas.h"
#include "graph/ChartDrawing.h"
#include "graph/SizeOption.h"

ChartLayout drawColourChart(PlotGeometry& plot, const DataTable& table, const TableContents& boxes,
                            GraphSurface& surface, GraphSize selected, const TextMetrics& metrics,
                            const ChartOptions& options) {
    Canvas& pic = surface.canvas();
    pic.setDrawWidth(1);
    pic.cls();
    pic.setBackColor(tableColour(WhiteSlot));
    pic.setFillStyle(FillStyle::Transparent);
    applyChartSize(plot, surface, selected);

    ChartLayout layout = layoutChart(ChartKind::Colour, table, boxes, plot, metrics, options,
                                     heightsOf(selected).canvasHeight);
    drawChartLayout(layout, pic);
    return layout;
}
