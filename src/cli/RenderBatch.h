#pragma once

#include "cli/ChartOutcome.h"
#include "cli/ChartRender.h"
#include "cli/OutputFile.h"
#include "cli/PathSet.h"
#include "cli/RepeatedNames.h"

#include <QString>
#include <QThreadPool>

#include <deque>
#include <functional>
#include <future>
#include <optional>

// Draws the charts of one `--render` on several threads at once and ends each as drawing them one
// after another would: the same pictures, the outcomes told in the order of the data files, and a
// picture that an earlier one of the run wrote refused. Each chart has its own canvas, fonts and
// encoders on the thread that draws it; only a few charts wait at any time, so memory stays the
// same however many there are.
class RenderBatch {
public:
    // `finished` is called with each outcome, in the order of the data files; `outputs` has every
    // picture's name the run will draw. With `skipExisting` a picture that is already whole is
    // left as it is, and its data file not read. `reading` tells how the data files are read.
    RenderBatch(int jobs, bool skipExisting, const DataFiles& dataFiles,
                const RepeatedNames& outputs, std::function<void(const ChartOutcome&)> finished,
                TableReading reading = {}, PictureSettings picture = {});
    RenderBatch(const RenderBatch&) = delete;
    RenderBatch& operator=(const RenderBatch&) = delete;

    // Draws the chart of `input` into `output` (`outputName` in messages), unless that would
    // overwrite a data file or a picture written before. A chart that is not `own` (another
    // shard's) is drawn but not written nor told, only to learn whether its picture would be
    // written and so take the name from a later data file.
    void draw(const QString& input, const QString& output, const QString& outputName,
              PictureFormat format, ChartStyle style, bool own = true);
    // Waits for every chart; returns whether all were written or skipped.
    bool finish();

private:
    struct Drawing {
        QString target; // the picture's absolute path; empty when it was refused before drawing
        bool remembered = false; // whether a later picture of the run may have the same name
        bool own = true;
        ChartOutcome outcome;                               // all of it when known before drawing
        std::optional<std::future<Result<QString>>> result; // while being drawn
    };

    void start(Drawing drawing, const QString& input, const QString& output, PictureFormat format,
               ChartStyle style);
    void finishOldest();
    // Finishes the oldest charts until no more than mostWaiting_ are left.
    void finishWaiting();

    int jobs_ = 1;
    bool skipExisting_ = false;
    // Charts being drawn or waiting for a thread while the oldest is not done.
    std::size_t mostWaiting_ = 0;
    const DataFiles& dataFiles_;
    const RepeatedNames& outputs_;
    std::function<void(const ChartOutcome&)> finished_;
    TableReading reading_;
    PictureSettings picture_;
    PathSet written_;             // the pictures written that a later one may be named as
    std::deque<Drawing> drawing_; // in the order of the data files
    bool allWritten_ = true;
    QThreadPool threads_;
};
