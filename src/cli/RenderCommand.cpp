#include "cli/RenderCommand.h"

#include "cli/BatchProgress.h"
#include "cli/BatchReport.h"
#include "cli/CommandLine.h"
#include "cli/InputList.h"
#include "cli/OutputFile.h"
#include "cli/RenderBatch.h"
#include "io/PartFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

// A message of the window as one line of standard error.
void report(const QString& message) {
    const QStringList lines = message.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    std::fputs(qPrintable(QStringLiteral("tallyfold: ") + lines.join(QLatin1Char(' ')) +
                          QLatin1Char('\n')),
               stderr);
}

// The pictures in the folder that more than one data file is named after: those that a shard
// must know whether another shard's data file writes first. Only names that may repeat are
// looked at, so it takes a few bytes for each of those.
Result<PathSet> repeatedPictures(const InputList& inputs, const RepeatedNames& pictures,
                                 const std::function<QString(const QString&)>& pictureOf) {
    PathSet seen;
    PathSet repeated;
    const Result<void> listed = inputs.forEach([&](const QString& input) {
        const QString picture = pictureOf(input);
        if (pictures.mayRepeat(picture) && !seen.insert(picture))
            repeated.insert(picture);
    });
    if (!listed)
        return listed.failure();
    return repeated;
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
    InputList inputs(request.inputs, request.inputList, request.nullSeparated ? '\0' : '\n');
    const Shard shard = request.shard;
    const auto own = [&](qsizetype position) { return position % shard.count == shard.index - 1; };
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
    qsizetype owned = 0;
    QString first;
    Result<void> listed = inputs.open();
    if (listed)
        listed = inputs.forEach([&](const QString& input) {
            if (count == 0)
                first = input;
            owned += own(count++);
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
    if (!intoFolder && !toStandardOutput)
        if (const std::optional<QString> refused = refusedPictureName(request.output)) {
            report(*refused);
            return 2;
        }
    const PictureFormat format =
        intoFolder ? folderFormat
                   : request.format.value_or(
                         pictureFormatOfName(request.output).value_or(PictureFormat::Png));
    DataFiles oneDataFile;
    oneDataFile.add(first);
    BatchReport records;
    if (request.report)
        if (const Result<void> opened = records.open(*request.report); !opened) {
            report(failureMessage(opened.failure()));
            return 1;
        }
    if (intoFolder) {
        QDir().mkpath(request.output); // when it cannot, every save says why
        removeAbandonedPartFiles(request.output);
    }
    // A shard also draws, without writing, the other shards' data files whose pictures have the
    // name of one of its own, to refuse what one run would refuse.
    Result<PathSet> repeated = PathSet();
    if (shard.count > 1 && intoFolder)
        repeated = repeatedPictures(inputs, picturesInFolder, pictureInFolder);
    if (!repeated) {
        report(failureMessage(repeated.failure()));
        return 1;
    }

    BatchProgress progress(
        owned,
        request.progress == ShowProgress::Always ||
            (request.progress == ShowProgress::OnTerminal && ::isatty(STDERR_FILENO)),
        ::isatty(STDERR_FILENO));
    bool reported = true;
    RenderBatch batch(
        count > 1 ? request.jobs : 1, request.skipExisting,
        intoFolder ? folderDataFiles : oneDataFile, picturesInFolder,
        [&](const ChartOutcome& outcome) {
            if (outcome.status == ChartOutcome::Status::Failed) {
                progress.clear();
                report(outcome.message);
            } else if (!outcome.notice.isEmpty()) {
                progress.clear();
                report(QStringLiteral("「%1」: %2")
                           .arg(outcome.input == StandardInput ? StandardInputName : outcome.input,
                                outcome.notice));
            }
            if (request.report && reported)
                if (const Result<void> written = records.write(outcome); !written) {
                    progress.clear();
                    report(failureMessage(written.failure()));
                    reported = false;
                }
            progress.count(outcome);
        },
        request.reading, request.picture);
    qsizetype position = 0;
    const Result<void> drawn = inputs.forEach([&](const QString& input) {
        const bool mine = own(position++);
        const QString output = toStandardOutput ? StandardOutput
                               : intoFolder     ? pictureInFolder(input)
                                                : request.output;
        if (mine || (intoFolder && repeated->contains(output)))
            batch.draw(input, output, toStandardOutput ? StandardOutputName : output, format,
                       request.style, mine);
    });
    const bool allWritten = batch.finish();
    progress.finish();
    if (!drawn)
        report(failureMessage(drawn.failure()));
    return allWritten && drawn && reported ? 0 : 1;
}
