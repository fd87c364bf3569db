#include "graph/WindowlessGraph.h"

#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/RuntimeError.h"
#include "data/TableContents.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/PatternChart.h"
#include "graph/SizeOption.h"

Result<ChartLayout> drawOnNewWindow(WindowlessGraph& graph, const TableContents& boxes,
                                    const ChartStyle& style) {
    PlotGeometry plot;
    DataTable table;
    if (style.size != GraphSize::Standard)
        applySizeOption(plot, graph, style.size);
    try {
        inputData(boxes, table);
    } catch (const RuntimeError& error) {
        return Failure{Action::DrawChart, {}, error.message()};
    }
    const TextMetrics metrics = chartTextMetrics(NewCanvasWidth);
    ChartLayout layout =
        style.pattern
            ? drawPatternChart(plot, table, boxes, graph, style.size, metrics, style.options)
            : drawColourChart(plot, table, boxes, graph, style.size, metrics, style.options);
    if (layout.failure)
        return layout.failure->failure;
    graph.picture().setTitle(boxes.description(Description::Title));
    return layout;
}
