#include "cli/RenderCommand.h"

#include "cli/CommandLine.h"
#include "cli/InputList.h"
#include "cli/OutputFile.h"
#include "cli/RenderBatch.h"

#include <QDir>
#include <QFileInfo>

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
    InputList inputs(request.inputs, request.inputList);
    // Every data file is known before the first picture is written, so that none is overwritten.
    const PictureFormat folderFormat = request.format.value_or(PictureFormat::Png);
    const QDir folder(request.output);
    const auto pictureInFolder = [&](const QString& input) {
        return folder.filePath(QFileInfo(input).completeBaseName() + QLatin1Char('.') +
                               pictureSuffix(folderFormat));
    };
    DataFiles folderDataFiles(pictureSuffix(folderFormat));
    RepeatedNames picturesInFolder;
    qsizetype count = 0;
    QString first;
    Result<void> listed = inputs.open();
    if (listed)
        listed = inputs.forEach([&](const QString& input) {
            if (count++ == 0)
                first = input;
            folderDataFiles.add(input);
            picturesInFolder.add(pictureInFolder(input));
        });
    if (!listed) {
        report(failureMessage(listed.failure()));
        return 1;
    }
    if (count == 0)
        return 0; // a list that names no file, as a search that found none
    if (count > 1 && request.output == StandardOutput) {
        report(
            QStringLiteral("標準出力 (-o -) に書けるのは一つのデータファイルのグラフだけです。"));
        return 2;
    }

    const bool toStandardOutput = count == 1 && isStandardOutput(request.output);
    const bool intoFolder = !toStandardOutput && (count > 1 || QFileInfo(request.output).isDir() ||
                                                  request.output.endsWith(QLatin1Char('/')));
    const PictureFormat format =
        intoFolder ? folderFormat
                   : request.format.value_or(
                         pictureFormatOfName(request.output).value_or(PictureFormat::Png));
    DataFiles oneDataFile;
    oneDataFile.add(first);
    if (intoFolder)
        QDir().mkpath(request.output); // when it cannot, every save says why

    RenderBatch batch(count > 1 ? request.jobs : 1, intoFolder ? folderDataFiles : oneDataFile,
                      picturesInFolder, report, request.sheet);
    const Result<void> drawn = inputs.forEach([&](const QString& input) {
        const QString output = toStandardOutput ? StandardOutput
                               : intoFolder     ? pictureInFolder(input)
                                                : request.output;
        batch.draw(input, output, toStandardOutput ? StandardOutputName : output, format,
                   request.style);
    });
    const bool allWritten = batch.finish();
    if (!drawn)
        report(failureMessage(drawn.failure()));
    return allWritten && drawn ? 0 : 1;
}
