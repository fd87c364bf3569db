#pragma once

#include "graph/ChartOptions.h"

#include <QRgb>

#include <array>

// The colours of the colour chart's columns under each palette.

// The twelve colours of a palette from the first column, the user's with the standard colour
// where a column has none of its own.
std::array<QRgb, 12> paletteColours(Palette palette, const UserColours& user = {});

// The colour of a column (1 to 12) under the options' palette.
QRgb columnColour(const ChartOptions& options, int column);
