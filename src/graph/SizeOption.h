#pragma once

#include "graph/GraphSize.h"

struct PlotGeometry;

// A click on a size option: clears the canvas (a background picture stays) and sets the plot
// height and the outer heights of the window and the canvas. Nothing is redrawn.
void applySizeOption(PlotGeometry& plot, GraphSurface& surface, GraphSize size);
