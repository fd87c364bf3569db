#pragma once

#include "graph/GraphSize.h"
#include "graph/ImageCanvas.h"

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
