#include "cli/ChartRender.h"

#include "cli/OutputFile.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/MemoryBoxes.h"
#include "data/RuntimeError.h"
#include "graph/ChartLayout.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/PatternChart.h"
#include "graph/SizeOption.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"
#include "io/SaveFile.h"
#include "io/TableFiles.h"

#include <unistd.h>

namespace {

void drawChart(const EntryBoxes& boxes, ChartStyle style, WindowlessGraph& graph) {
    PlotGeometry plot;
    DataTable table;
    // A new window has the standard size chosen; another size is an option click before the chart.
    if (style.size != GraphSize::Standard)
        applySizeOption(plot, graph, style.size);
    inputData(boxes, table);
    const TextMetrics metrics = chartTextMetrics(NewCanvasWidth);
    if (style.pattern)
        drawPatternChart(plot, table, boxes, graph, style.size, metrics, style.options);
    else
        drawColourChart(plot, table, boxes, graph, style.size, metrics, style.options);
    graph.picture().setTitle(boxes.description(Description::Title));
}

} // namespace

Result<void> renderChart(const QString& input, const QString& output, PictureFormat format,
                         ChartStyle style) {
    const Result<LoadedTable> loaded = loadTable(input, dataFormat(input, 1));
    if (!loaded)
        return loaded.failure();
    MemoryBoxes boxes;
    fillBoxes(boxes, *loaded);
    WindowlessGraph graph;
    try {
        drawChart(boxes, style, graph);
    } catch (const RuntimeError& error) {
        return Failure{Action::DrawChart, input, error.message()};
    }
    if (output == StandardOutput)
        return writeBytes(Action::SavePicture, StandardOutputName, STDOUT_FILENO,
                          chartBytes(graph.picture(), format));
    return saveChart(graph.picture(), output, format, NewFile::Direct);
}
