#pragma once

#include <QString>

// What became of one data file of a `--render`: its picture written, left as it was because it was
// already whole (--skip-existing), or a failure, told in Japanese and by a stable English code
// that a program reading the report can test.
struct ChartOutcome {
    enum class Status { Written, Skipped, Failed };

    QString input;
    QString picture; // as messages name it
    Status status = Status::Written;
    // For a failure: unreadable, too-large, arithmetic, unwritable, exists (the picture of an
    // earlier data file of the run has the name) or same-as-input (it would replace a data file).
    QString code;
    QString message; // for a failure, on one line
    QString notice;  // for a picture written: what the chart was asked to show and does not
};
