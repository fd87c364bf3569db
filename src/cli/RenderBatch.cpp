#include "cli/RenderBatch.h"

#include "graph/Fonts.h"

#include <QFileInfo>
#include <QFontMetrics>

#include <algorithm>
#include <memory>

RenderBatch::RenderBatch(int jobs, const DataFiles& dataFiles, const RepeatedNames& outputs,
                         std::function<void(const QString&)> report, QString sheet)
    : jobs_(jobs)
    , mostWaiting_(jobs == 1 ? 0 : 2 * std::size_t(jobs))
    , dataFiles_(dataFiles)
    , outputs_(outputs)
    , report_(std::move(report))
    , sheet_(std::move(sheet)) {
    threads_.setMaxThreadCount(jobs);
    // The font database is filled here, by one thread, before any chart needs it.
    QFontMetrics(chartFont()).height();
}

void RenderBatch::draw(const QString& input, const QString& output, const QString& outputName,
                       PictureFormat format, ChartStyle style) {
    const QString target = QFileInfo(output).absoluteFilePath();
    const bool remembered = outputs_.mayRepeat(output);
    // A picture of the same name as one still being drawn waits for it, as it would one at a time.
    while (std::any_of(drawing_.begin(), drawing_.end(),
                       [&](const Drawing& drawing) { return drawing.target == target; }))
        finishOldest();
    if (const std::optional<QString> data = dataFiles_.overwrittenBy(output))
        refuse(QStringLiteral("「%1」はデータファイル「%2」と同じファイルなので、グラフを"
                              "書きませんでした。")
                   .arg(outputName, *data));
    else if (remembered && written_.contains(target))
        refuse(QStringLiteral("「%1」のグラフは、前のデータファイルのグラフと同じ「%2」に"
                              "なるため、書きませんでした。")
                   .arg(input, output));
    else
        start(input, output, target, remembered, format, style);
    while (drawing_.size() > mostWaiting_)
        finishOldest();
}

void RenderBatch::start(const QString& input, const QString& output, const QString& target,
                        bool remembered, PictureFormat format, ChartStyle style) {
    auto result = std::make_shared<std::promise<Result<void>>>();
    drawing_.push_back({target, remembered, result->get_future()});
    const auto render = [=, sheet = sheet_] {
        try {
            result->set_value(renderChart(input, output, format, style, sheet));
        } catch (...) {
            result->set_exception(std::current_exception());
        }
    };
    if (jobs_ == 1)
        render();
    else
        threads_.start(render);
}

void RenderBatch::refuse(const QString& message) {
    std::promise<Result<void>> refused;
    refused.set_value(Failure{Action::DrawChart, {}, message});
    drawing_.push_back({{}, false, refused.get_future()});
}

void RenderBatch::finishOldest() {
    Drawing oldest = std::move(drawing_.front());
    drawing_.pop_front();
    if (const Result<void> result = oldest.result.get(); !result) {
        report_(failureMessage(result.failure()));
        allWritten_ = false;
    } else if (oldest.remembered) {
        written_.insert(oldest.target);
    }
}

bool RenderBatch::finish() {
    while (!drawing_.empty())
        finishOldest();
    return allWritten_;
}
