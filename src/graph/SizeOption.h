#pragma once

#include "graph/GraphSize.h"

struct PlotGeometry;

// A click on a size option: clears the canvas (a background picture stays) and sets the plot
// height and the outer heights of the window and the canvas. Nothing is redrawn.
void applySizeOption(PlotGeometry& plot, GraphSurface& surface, GraphSize size);

// The size as a chart command applies it: the standard size re-applies its plot, window and
// canvas heights (the window 200 twips taller than its option gives), the other sizes keep what
// their option click set.
void applyChartSize(PlotGeometry& plot, GraphSurface& surface, GraphSize selected);
