#include "cli/RenderCommand.h"

#include "cli/CommandLine.h"
#include "cli/OutputFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cstdio>
#include <malloc.h>

namespace {

// A message of the window as one line of standard error.
void report(const QString& message) {
    const QStringList lines = message.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    std::fputs(qPrintable(QStringLiteral("tallyfold: ") + lines.join(QLatin1Char(' ')) +
                          QLatin1Char('\n')),
               stderr);
}

} // namespace

void keepFreedMemoryForTheNextChart() {
    // Every chart allocates and frees a few megabytes of pictures; kept by the C library rather
    // than handed back to the system, they need not be faulted in afresh for the next chart.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

int runRender(const RenderRequest& request) {
    keepFreedMemoryForTheNextChart();
    const bool toStandardOutput = request.inputs.size() == 1 && isStandardOutput(request.output);
    const bool intoFolder =
        !toStandardOutput && (request.inputs.size() > 1 || QFileInfo(request.output).isDir() ||
                              request.output.endsWith(QLatin1Char('/')));
    const PictureFormat format = request.format.value_or(
        intoFolder ? PictureFormat::Png
                   : pictureFormatOfName(request.output).value_or(PictureFormat::Png));
    const QDir folder(request.output);
    if (intoFolder)
        QDir().mkpath(request.output); // when it cannot, every save says why

    int status = 0;
    const auto fail = [&status](const QString& message) {
        report(message);
        status = 1;
    };
    QSet<QString> written;
    const DataFiles dataFiles(request.inputs);
    for (const QString& input : request.inputs) {
        const QString output = toStandardOutput ? StandardOutput
                               : intoFolder
                                   ? folder.filePath(QFileInfo(input).completeBaseName() +
                                                     QLatin1Char('.') + pictureSuffix(format))
                                   : request.output;
        const QString target = QFileInfo(output).absoluteFilePath();
        if (const std::optional<QString> data = dataFiles.overwrittenBy(output))
            fail(QStringLiteral("「%1」はデータファイル「%2」と同じファイルなので、グラフを"
                                "書きませんでした。")
                     .arg(toStandardOutput ? StandardOutputName : output, *data));
        else if (written.contains(target))
            fail(QStringLiteral("「%1」のグラフは、前のデータファイルのグラフと同じ「%2」に"
                                "なるため、書きませんでした。")
                     .arg(input, output));
        else if (const Result<void> rendered = renderChart(input, output, format, request.style);
                 !rendered)
            fail(failureMessage(rendered.failure()));
        else
            written.insert(target);
    }
    return status;
}
