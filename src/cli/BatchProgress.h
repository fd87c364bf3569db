#pragma once

#include "cli/ChartOutcome.h"

#include <QElapsedTimer>

// The progress of a batch on standard error: the charts done of all, the failures, charts a
// second and the time left. On a terminal one line rewrites itself a few times a second;
// elsewhere (a log file) a line is added every few seconds.
class BatchProgress {
public:
    // `total`: the charts the run draws; nothing is shown unless `shown`.
    BatchProgress(qint64 total, bool shown, bool terminal);

    void count(const ChartOutcome& outcome);
    // Clears the line on a terminal, so that a message can take its place.
    void clear();
    // Shows the last figures and ends the line.
    void finish();

private:
    void show(const char* ending);

    qint64 total_ = 0;
    bool shown_ = false;
    bool terminal_ = false;
    qint64 done_ = 0;
    qint64 failed_ = 0;
    qint64 shownAt_ = 0; // milliseconds into the run
    QElapsedTimer clock_;
};
