#pragma once

#include "graph/Canvas.h"

// How the black-and-white chart tells column c (1..12) apart: solid grey, empty or one of six
// black hatchings; columns 9 to 12 repeat 1 to 4. A fill colour is set only where the scheme
// names one; otherwise the colour set for the column before stays in force.
struct Pattern {
    int fillColorSlot; // slot of the colour table, 0 to keep the current fill colour
    FillStyle style;
};

Pattern patternOf(int column);
