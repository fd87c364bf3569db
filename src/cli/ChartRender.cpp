#include "cli/ChartRender.h"

#include "cli/OutputFile.h"
#include "data/RuntimeError.h"
#include "data/TableContents.h"
#include "graph/ChartNotice.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"
#include "io/SaveFile.h"
#include "io/TableFiles.h"

#include <unistd.h>

Result<QString> renderChart(const QString& input, const QString& output, PictureFormat format,
                            ChartStyle style) {
    const Result<LoadedTable> loaded = loadTable(input, dataFormat(input, 1));
    if (!loaded)
        return loaded.failure();
    TableContents boxes;
    fillBoxes(boxes, *loaded);
    WindowlessGraph graph;
    QString notice;
    try {
        notice = chartNotice(drawOnNewWindow(graph, boxes, style));
    } catch (const RuntimeError& error) {
        return Failure{Action::DrawChart, input, error.message()};
    }
    if (output.isEmpty())
        return notice;
    const Result<void> written =
        output == StandardOutput ? writeBytes(Action::SavePicture, StandardOutputName,
                                              STDOUT_FILENO, chartBytes(graph.picture(), format))
                                 : saveChart(graph.picture(), output, format, NewFile::Direct);
    if (!written)
        return written.failure();
    return notice;
}
