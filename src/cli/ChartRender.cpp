#include "cli/ChartRender.h"

#include "cli/InputList.h"
#include "cli/OutputFile.h"
#include "data/TableContents.h"
#include "graph/ChartNotice.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"
#include "io/FileError.h"
#include "io/SaveFile.h"
#include "io/TableFileBytes.h"
#include "io/TableFiles.h"

#include <cerrno>
#include <unistd.h>

namespace {

// The table of the data file; `sheetTaken` tells which sheet was taken where there was a choice.
Result<LoadedTable> loadInput(const QString& input, const QString& sheet, QString& sheetTaken) {
    const QString name = input == StandardInput ? StandardInputName : input;
    const SheetRequest request{sheet, [&](const QStringList& sheets) {
                                   sheetTaken =
                                       QStringLiteral("表のあるシートが %1 枚あります "
                                                      "(%2)。シート「%3」を読みました。"
                                                      "ほかのシートは --sheet で選べます。")
                                           .arg(sheets.size())
                                           .arg(sheets.join(u"、"), sheets[0]);
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

Result<QString> renderChart(const QString& input, const QString& output, PictureFormat format,
                            ChartStyle style, const TableReading& reading,
                            const PictureSettings& picture) {
    QString sheetTaken;
    const Result<LoadedTable> loaded = loadInput(input, reading.sheet, sheetTaken);
    if (!loaded)
        return loaded.failure();
    const QString name = input == StandardInput ? StandardInputName : input;
    if (reading.strict && !loaded->notice.isEmpty())
        return Failure{Action::LoadTable, name, loaded->notice};
    TableContents boxes;
    fillBoxes(boxes, *loaded);
    WindowlessGraph graph;
    const Result<ChartLayout> drawn = drawOnNewWindow(graph, boxes, style);
    if (!drawn) {
        Failure failure = drawn.failure();
        failure.file = input;
        return failure;
    }
    // One line for the file.
    const QString notice =
        joinedMessages({sheetTaken, loadedNotice(*loaded), chartNotice(*drawn)}, u' ')
            .replace(u'\n', u' ');
    if (output.isEmpty())
        return notice;
    const Result<void> written =
        output == StandardOutput
            ? writeBytes(Action::SavePicture, StandardOutputName, STDOUT_FILENO,
                         chartBytes(graph.picture(), format, picture))
            : saveChart(graph.picture(), output, format, NewFile::Direct, picture);
    if (!written)
        return written.failure();
    return notice;
}
