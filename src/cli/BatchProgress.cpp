#include "cli/BatchProgress.h"

#include <QString>

#include <cstdio>

BatchProgress::BatchProgress(qint64 total, bool shown, bool terminal)
    : total_(total)
    , shown_(shown)
    , terminal_(terminal) {
    clock_.start();
}

void BatchProgress::count(const ChartOutcome& outcome) {
    ++done_;
    failed_ += outcome.status == ChartOutcome::Status::Failed;
    if (shown_ && clock_.elapsed() - shownAt_ >= (terminal_ ? 200 : 5000))
        show(terminal_ ? "" : "\n");
}

void BatchProgress::clear() {
    if (shown_ && terminal_)
        std::fputs("\r\033[K", stderr);
}

void BatchProgress::finish() {
    if (shown_)
        show("\n");
}

void BatchProgress::show(const char* ending) {
    shownAt_ = clock_.elapsed();
    const double rate = shownAt_ > 0 ? done_ * 1000.0 / shownAt_ : 0;
    const qint64 left = rate > 0 ? qint64((total_ - done_) / rate + 0.5) : 0;
    const QString line = QStringLiteral("%1%2 / %3 枚 (失敗 %4)  毎秒 %5 枚  残り %6:%7%8")
                             .arg(terminal_ ? QStringLiteral("\r\033[K") : QString())
                             .arg(done_)
                             .arg(total_)
                             .arg(failed_)
                             .arg(rate, 0, 'f', 0)
                             .arg(left / 60)
                             .arg(left % 60, 2, 10, QLatin1Char('0'))
                             .arg(QString::fromLatin1(ending));
    std::fputs(qPrintable(line), stderr);
    std::fflush(stderr);
}
