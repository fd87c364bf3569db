#pragma once

#include "cli/ChartOutcome.h"
#include "data/Result.h"

#include <QString>

// The `--report` of a batch, for a program to read: one JSON object a line for each data file, in
// the order of the list ({"input", "picture", "status": written, skipped or failed, and for a
// failure "code" and "message"}). Each line is written out as soon as its outcome is known, so the
// report of a run that was killed holds what it did.
class BatchReport {
public:
    BatchReport() = default;
    ~BatchReport();
    BatchReport(const BatchReport&) = delete;
    BatchReport& operator=(const BatchReport&) = delete;

    // Creates or empties the file `path`; `-` is standard output.
    Result<void> open(const QString& path);
    Result<void> write(const ChartOutcome& outcome);

private:
    QString name_; // as messages name it
    int descriptor_ = -1;
    bool ownsDescriptor_ = false;
};
