#include "graph/SizeOption.h"

#include "graph/Canvas.h"
#include "graph/ChartState.h"

void applySizeOption(PlotGeometry& plot, GraphSurface& surface, GraphSize size) {
    const SizeHeights heights = heightsOf(size);
    surface.canvas().cls();
    plot.height = heights.plotHeight;
    surface.setWindowHeight(heights.windowHeight);
    surface.canvas().setHeight(static_cast<float>(heights.canvasHeight));
}
