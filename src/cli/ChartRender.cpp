#include "cli/ChartRender.h"

#include "cli/InputList.h"
#include "cli/OutputFile.h"
#include "data/TableContents.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"
#include "io/FileError.h"
#include "io/SaveFile.h"
#include "io/TableFileBytes.h"
#include "io/TableFiles.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

Result<LoadedTable> loadInput(const QString& input, const QString& sheet) {
    const QString name = input == StandardInput ? StandardInputName : input;
    const SheetRequest request{
        sheet, [&](const QStringList& sheets) {
            std::fputs(qPrintable(QStringLiteral("tallyfold: 「%1」には表のあるシートが %2 枚"
                                                 "あります (%3)。シート「%4」を読みました。"
                                                 "ほかのシートは --sheet で選べます。\n")
                                      .arg(name)
                                      .arg(sheets.size())
                                      .arg(sheets.join(u"、"), sheets[0])),
                       stderr);
            return qsizetype(0);
        }};
    if (input != StandardInput)
        return loadTable(input, dataFormat(input, 1), request);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return Failure{Action::LoadTable, name, fileErrorReason(name, errno)};
    const Result<QByteArray> bytes = readTableFileBytes(in);
    if (!bytes)
        return Result<LoadedTable>(bytes.failure()).onFile(name);
    return loadTableBytes(*bytes, name, request);
}

} // namespace

Result<void> renderChart(const QString& input, const QString& output, PictureFormat format,
                         ChartStyle style, const TableReading& reading) {
    const Result<LoadedTable> loaded = loadInput(input, reading.sheet);
    if (!loaded)
        return loaded.failure();
    const QString name = input == StandardInput ? StandardInputName : input;
    if (reading.strict && !loaded->notice.isEmpty())
        return Failure{Action::LoadTable, name, loaded->notice};
    if (const QString told = loadedNotice(*loaded); !told.isEmpty())
        std::fputs(qPrintable(QStringLiteral("tallyfold: 「%1」: %2\n")
                                  .arg(name, QString(told).replace(u'\n', u' '))),
                   stderr);
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
