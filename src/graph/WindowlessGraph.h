#pragma once

#include "data/Result.h"
#include "graph/ChartLayout.h"
#include "graph/ChartOptions.h"
#include "graph/GraphSize.h"
#include "graph/ImageCanvas.h"

struct TableContents;

// The graph window without a window, for charts drawn where nothing is shown: its canvas as the
// window creates it (size and light grey), so that a chart comes out as in a new graph window.
// There is no window height to set.
class WindowlessGraph : public GraphSurface {
public:
    Canvas& canvas() override { return canvas_; }
    ImageCanvas& picture() { return canvas_; }
    const ImageCanvas& picture() const { return canvas_; }
    void setWindowHeight(int) override {}

private:
    ImageCanvas canvas_{NewCanvasWidth, NewCanvasHeight, NewCanvasColour};
};

// How a chart is drawn without a window: the chart command (colour or black and white), the size
// option chosen before it and what the chart shows beyond its bars.
struct ChartStyle {
    bool pattern = false;
    GraphSize size = GraphSize::Standard;
    ChartOptions options;
};

// The chart of the boxes on a new graph window, which has the standard size chosen: another size
// is an option click before the chart command. The chart's title is kept for the picture files.
// Returns what was drawn, or fails as the chart command does, with its numbered error.
Result<ChartLayout> drawOnNewWindow(WindowlessGraph& graph, const TableContents& boxes,
                                    const ChartStyle& style);
