#pragma once

#include "data/GraphSize.h"

#include <cstdint>

class Canvas;

// What a size sets together: the plot area's height and the outer heights of the graph window
// and of its canvas, all in twips.
struct SizeHeights {
    std::int16_t plotHeight;
    int windowHeight;
    int canvasHeight;
};

constexpr SizeHeights heightsOf(GraphSize size) {
    switch (size) {
    case GraphSize::Tall:
        return {8000, 11000, 10575};
    case GraphSize::Wide:
        return {2000, 5000, 4575};
    case GraphSize::Standard:
        break;
    }
    return {5000, 8000, 7575};
}

// The graph window's canvas as a new window has it: its size in twips and its light grey.
inline constexpr int NewCanvasWidth = 6855;
inline constexpr int NewCanvasHeight = 7695;
inline constexpr unsigned NewCanvasColour = 0xFFE0E0E0; // opaque light grey, as a QRgb

// A chart command re-applies the standard size with a window 200 twips taller than an option
// click gives.
inline constexpr int StandardChartWindowHeight = 8200;

// The graph window as the chart commands and size options see it.
class GraphSurface {
public:
    virtual ~GraphSurface() = default;
    virtual Canvas& canvas() = 0;
    // Outer height: the client area plus the frame of the window manager.
    virtual void setWindowHeight(int twips) = 0;
};
