#pragma once

#include "data/Result.h"
#include "graph/WindowlessGraph.h"
#include "io/FileFormats.h"
#include "io/PictureSettings.h"

#include <QString>

// How the data files of --render are read: the workbooks' sheet (--sheet, empty for the first
// that holds a table), and whether a value that reads as no number fails the file (--strict).
struct TableReading {
    QString sheet;
    bool strict = false;
};

// Draws the chart of one data file without a window and writes it as a picture file: the file
// is read as the load button reads it (loadTable, its format by the name's extension; a CSV file
// or workbook leaves the descriptions empty), `-` from standard input by its content, a workbook's
// sheet as `reading` names it or else the first that holds a table (telling on standard error
// which it took when more than one does), with `reading.strict` values that read as no number a
// failure, the size option is applied and the
// chart command run, on a canvas as a new graph window has it, so the picture is the one the window
// saves. An `output` of StandardOutput writes the picture there; an empty one writes nothing. Fails
// as the window would when reading or writing fails; a chart that cannot be drawn fails naming the
// input. Returns what the window would tell of the table (values that read as no number, totals
// left out) and of the chart (what it was asked to show and does not) in one line; empty where
// there is nothing to tell.
Result<QString> renderChart(const QString& input, const QString& output, PictureFormat format,
                            ChartStyle style, const TableReading& reading = {},
                            const PictureSettings& picture = {});
