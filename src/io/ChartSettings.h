#pragma once

#include "graph/ChartOptions.h"
#include "io/PictureSettings.h"

#include <QString>

#include <optional>

// The chart's options as the user chose them last, kept in the user's settings between sessions.
ChartOptions savedChartOptions();
void saveChartOptions(const ChartOptions& options);
// How the window saves and prints the chart's picture, as the user chose it last.
PictureSettings savedPictureSettings();
void savePictureSettings(const PictureSettings& settings);
// A palette by the name it is kept under: standard, cud or user.
std::optional<Palette> paletteNamed(const QString& name);
// A paper by the name it is kept under, which --paper takes too: a4, a3, b4, b5, letter (or
// none).
std::optional<Paper> paperNamed(const QString& name);
