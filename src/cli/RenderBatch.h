#pragma once

#include "cli/ChartRender.h"
#include "cli/OutputFile.h"
#include "cli/PathSet.h"
#include "cli/RepeatedNames.h"

#include <QString>
#include <QThreadPool>

#include <deque>
#include <functional>
#include <future>

// Draws the charts of one `--render` on several threads at once and ends each as drawing them one
// after another would: the same pictures, the failures reported in the order of the data files,
// and a picture that an earlier one of the run wrote refused. Each chart has its own canvas,
// fonts and encoders on the thread that draws it; only a few charts wait at any time, so memory
// stays the same however many there are.
class RenderBatch {
public:
    // `report` is called with each failure's message, in the order of the data files; `outputs`
    // has every picture's name the run will draw.
    // `sheet` is the workbooks' sheet to draw (--sheet).
    RenderBatch(int jobs, const DataFiles& dataFiles, const RepeatedNames& outputs,
                std::function<void(const QString&)> report, QString sheet = {});
    RenderBatch(const RenderBatch&) = delete;
    RenderBatch& operator=(const RenderBatch&) = delete;

    // Draws the chart of `input` into `output` (`outputName` in messages), unless that would
    // overwrite a data file or a picture written before.
    void draw(const QString& input, const QString& output, const QString& outputName,
              PictureFormat format, ChartStyle style);
    // Waits for every chart; returns whether all were written.
    bool finish();

private:
    struct Drawing {
        QString target; // the picture's absolute path; empty when it was refused before drawing
        bool remembered = false; // whether a later picture of the run may have the same name
        std::future<Result<void>> result;
    };

    void start(const QString& input, const QString& output, const QString& target, bool remembered,
               PictureFormat format, ChartStyle style);
    void refuse(const QString& message);
    void finishOldest();

    int jobs_ = 1;
    // Charts being drawn or waiting for a thread while the oldest is not done.
    std::size_t mostWaiting_ = 0;
    const DataFiles& dataFiles_;
    const RepeatedNames& outputs_;
    std::function<void(const QString&)> report_;
    QString sheet_;
    PathSet written_;             // the pictures written that a later one may be named as
    std::deque<Drawing> drawing_; // in the order of the data files
    bool allWritten_ = true;
    QThreadPool threads_;
};
