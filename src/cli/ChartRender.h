#pragma once

#include "data/Result.h"
#include "graph/WindowlessGraph.h"
#include "io/FileFormats.h"

#include <QString>

// Draws the chart of one data file without a window and writes it as a picture file: the file
// is read as the load button reads it (loadTable, its format by the name's extension; a CSV file
// or workbook leaves the descriptions empty), the size option is applied and the chart command run,
// on a canvas as a new graph window has it, so the picture is the one the window saves. An
// `output` of StandardOutput writes the picture there; an empty one writes nothing. Fails as the
// window would when reading or writing fails; a chart that cannot be drawn fails naming the input.
// Returns what the chart was asked to show and does not, as the graph window tells it (empty
// where it shows everything).
Result<QString> renderChart(const QString& input, const QString& output, PictureFormat format,
                            ChartStyle style);
