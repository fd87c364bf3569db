#include "graph/SizeOption.h"

#include "graph/Canvas.h"
#include "graph/ChartLayout.h"

namespace {

// The one place that sets the plot height, together with the outer heights.
void applyHeights(PlotGeometry& plot, GraphSurface& surface, GraphSize size, int windowHeight) {
    const SizeHeights heights = heightsOf(size);
    plot.height = heights.plotHeight;
    surface.setWindowHeight(windowHeight);
    surface.canvas().setHeight(static_cast<float>(heights.canvasHeight));
}

} // namespace

void applySizeOption(PlotGeometry& plot, GraphSurface& surface, GraphSize size) {
    surface.canvas().cls();
    applyHeights(plot, surface, size, heightsOf(size).windowHeight);
}

void applyChartSize(PlotGeometry& plot, GraphSurface& surface, GraphSize selected) {
    if (selected == GraphSize::Standard)
        applyHeights(plot, surface, selected, StandardChartWindowHeight);
}
