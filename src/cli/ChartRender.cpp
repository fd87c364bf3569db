#include "cli/ChartRender.h"

#include "cli/OutputFile.h"
#include "data/TableContents.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"
#include "io/SaveFile.h"
#include "io/TableFiles.h"

#include <unistd.h>

Result<void> renderChart(const QString& input, const QString& output, PictureFormat format,
                         ChartStyle style) {
    const Result<LoadedTable> loaded = loadTable(input, dataFormat(input, 1));
    if (!loaded)
        return loaded.failure();
    TableContents boxes;
    fillBoxes(boxes, *loaded);
    WindowlessGraph graph;
    if (const Result<void> drawn = drawOnNewWindow(graph, boxes, style); !drawn) {
        Failure failure = drawn.failure();
        failure.file = input;
        return failure;
    }
    if (output.isEmpty())
        return {};
    if (output == StandardOutput)
        return writeBytes(Action::SavePicture, StandardOutputName, STDOUT_FILENO,
                          chartBytes(graph.picture(), format));
    return saveChart(graph.picture(), output, format, NewFile::Direct);
}
