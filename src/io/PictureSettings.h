#pragma once

#include "io/PageSetup.h"

// How a chart's picture file is made beyond its format: the resolution that PNG and BMP are
// drawn at (the screen's by default, which gives the canvas's own pixels), and the page that PDF
// and printing put the chart on (by default a PDF page of the chart's size).
struct PictureSettings {
    static constexpr int ScreenDpi = 96;
    static constexpr int MinDpi = 72;
    static constexpr int MaxDpi = 1200;

    int dpi = ScreenDpi;
    PageSetup page;

    bool operator==(const PictureSettings&) const = default;
};
