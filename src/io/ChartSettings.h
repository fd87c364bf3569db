#pragma once

#include "graph/ChartOptions.h"

#include <QString>

#include <optional>

// The chart's options as the user chose them last, kept in the user's settings between sessions.
ChartOptions savedChartOptions();
void saveChartOptions(const ChartOptions& options);
// A palette by the name it is kept under: standard, cud or user.
std::optional<Palette> paletteNamed(const QString& name);
