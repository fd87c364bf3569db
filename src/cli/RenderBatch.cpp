#include "cli/RenderBatch.h"

#include "graph/Fonts.h"
#include "io/WholePicture.h"

#include <QFileInfo>
#include <QFontMetrics>

#include <algorithm>
#include <memory>

namespace {

// The readers tell a table too large for the chart, or a file too large for a table, only in
// their messages.
QString failureCode(const Failure& failure) {
    switch (failure.action) {
    case Action::DrawChart: // the chart engine's overflow or division by zero
        return QStringLiteral("arithmetic");
    case Action::SavePicture:
        return QStringLiteral("unwritable");
    default:
        return failure.reason.contains(QStringLiteral("大きすぎ")) ? QStringLiteral("too-large")
                                                                   : QStringLiteral("unreadable");
    }
}

QString oneLine(const QString& message) {
    return message.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

} // namespace

RenderBatch::RenderBatch(int jobs, bool skipExisting, const DataFiles& dataFiles,
                         const RepeatedNames& outputs,
                         std::function<void(const ChartOutcome&)> finished, TableReading reading,
                         PictureSettings picture)
    : jobs_(jobs)
    , skipExisting_(skipExisting)
    , mostWaiting_(jobs == 1 ? 0 : 2 * std::size_t(jobs))
    , dataFiles_(dataFiles)
    , outputs_(outputs)
    , finished_(std::move(finished))
    , reading_(std::move(reading))
    , picture_(picture) {
    threads_.setMaxThreadCount(jobs);
    // The font database is filled here, by one thread, before any chart needs it.
    QFontMetrics(chartFont()).height();
}

void RenderBatch::draw(const QString& input, const QString& output, const QString& outputName,
                       PictureFormat format, ChartStyle style, bool own) {
    const QString target = QFileInfo(output).absoluteFilePath();
    Drawing drawing;
    drawing.remembered = outputs_.mayRepeat(output);
    drawing.own = own;
    drawing.outcome.input = input;
    drawing.outcome.picture = outputName;
    // A picture of the same name as one still being drawn waits for it, as it would one at a time.
    while (std::any_of(drawing_.begin(), drawing_.end(),
                       [&](const Drawing& drawn) { return drawn.target == target; }))
        finishOldest();
    ChartOutcome& outcome = drawing.outcome;
    if (const std::optional<QString> data = dataFiles_.overwrittenBy(output)) {
        outcome = {input,
                   outputName,
                   ChartOutcome::Status::Failed,
                   QStringLiteral("same-as-input"),
                   QStringLiteral("「%1」はデータファイル「%2」と同じファイルなので、グラフを"
                                  "書きませんでした。")
                       .arg(outputName, *data),
                   {}};
    } else if (drawing.remembered && written_.contains(target)) {
        outcome = {input,
                   outputName,
                   ChartOutcome::Status::Failed,
                   QStringLiteral("exists"),
                   QStringLiteral("「%1」のグラフは、前のデータファイルのグラフと同じ「%2」に"
                                  "なるため、書きませんでした。")
                       .arg(input, output),
                   {}};
    } else {
        drawing.target = target;
        if (skipExisting_ && isWholePicture(output, format))
            outcome.status = ChartOutcome::Status::Skipped;
        else
            return start(std::move(drawing), input, own ? output : QString(), format, style);
    }
    drawing_.push_back(std::move(drawing));
    finishWaiting();
}

void RenderBatch::start(Drawing drawing, const QString& input, const QString& output,
                        PictureFormat format, ChartStyle style) {
    auto result = std::make_shared<std::promise<Result<QString>>>();
    drawing.result = result->get_future();
    drawing_.push_back(std::move(drawing));
    const auto render = [=, reading = reading_, picture = picture_] {
        try {
            result->set_value(renderChart(input, output, format, style, reading, picture));
        } catch (...) {
            result->set_exception(std::current_exception());
        }
    };
    if (jobs_ == 1)
        render();
    else
        threads_.start(render);
    finishWaiting();
}

void RenderBatch::finishWaiting() {
    while (drawing_.size() > mostWaiting_)
        finishOldest();
}

void RenderBatch::finishOldest() {
    Drawing oldest = std::move(drawing_.front());
    drawing_.pop_front();
    ChartOutcome& outcome = oldest.outcome;
    if (oldest.result) {
        if (const Result<QString> result = oldest.result->get(); !result) {
            outcome.status = ChartOutcome::Status::Failed;
            outcome.code = failureCode(result.failure());
            outcome.message = failureMessage(result.failure());
        } else {
            outcome.notice = *result;
        }
    }
    outcome.message = oneLine(outcome.message);
    if (outcome.status != ChartOutcome::Status::Failed && oldest.remembered)
        written_.insert(oldest.target);
    if (!oldest.own)
        return;
    if (outcome.status == ChartOutcome::Status::Failed)
        allWritten_ = false;
    finished_(outcome);
}

bool RenderBatch::finish() {
    while (!drawing_.empty())
        finishOldest();
    return allWritten_;
}
