#include "cli/ChartRender.h"

#include "cli/OutputFile.h"
#include "data/DataTable.h"
#include "data/EntryGrid.h"
#include "data/InputData.h"
#include "data/MemoryBoxes.h"
#include "data/OutputData.h"
#include "data/RuntimeError.h"
#include "graph/ChartLayout.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/PatternChart.h"
#include "graph/SizeOption.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"
#include "io/DataFile.h"
#include "io/PictureFile.h"
#include "io/SaveFile.h"
#include "io/TableFile.h"

#include <unistd.h>

namespace {

// Fills the boxes from the file as the load button does; the message to show when it cannot.
QString loadBoxes(const QString& path, MemoryBoxes& boxes) {
    if (const DataFormat format = dataFormat(path, 1); format != DataFormat::Text) {
        const GridLayout table = loadGridFile(path, format);
        if (!table.refusal.isEmpty())
            return loadMessage(path, LoadOutcome{table.refusal});
        writeGrid(boxes, table.grid);
        return {};
    }
    DataTable table;
    const LoadOutcome outcome = loadDataFile(path, table);
    if (!outcome.complete())
        return loadMessage(path, outcome);
    outputData(table, boxes);
    return {};
}

void drawChart(const EntryBoxes& boxes, ChartStyle style, WindowlessGraph& graph) {
    PlotGeometry plot;
    DataTable table;
    // A new window has the standard size chosen; another size is an option click before the chart.
    if (style.size != GraphSize::Standard)
        applySizeOption(plot, graph, style.size);
    inputData(boxes, table);
    const TextMetrics metrics = chartTextMetrics(NewCanvasWidth);
    if (style.pattern)
        drawPatternChart(plot, table, boxes, graph, style.size, metrics);
    else
        drawColourChart(plot, table, boxes, graph, style.size, metrics);
}

} // namespace

QString renderChart(const QString& input, const QString& output, PictureFormat format,
                    ChartStyle style) {
    MemoryBoxes boxes;
    if (QString error = loadBoxes(input, boxes); !error.isEmpty())
        return error;
    WindowlessGraph graph;
    try {
        drawChart(boxes, style, graph);
    } catch (const RuntimeError& error) {
        // The window's message does not name the file; here many may be drawn at once.
        return QStringLiteral("「%1」: %2").arg(input, error.message());
    }
    if (output == StandardOutput) {
        const QString error = writeBytes(STDOUT_FILENO, chartBytes(graph.picture(), format));
        return error.isEmpty() ? QString() : savePictureMessage(StandardOutputName, error);
    }
    if (const auto error = saveChart(graph.picture(), output, format, NewFile::Direct))
        return savePictureMessage(output, *error);
    return {};
}
