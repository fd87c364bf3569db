#pragma once

#include <QRgb>

#include <array>
#include <cstdint>

// The plot area in twips: 16-bit integers, as the chart arithmetic uses them.
struct PlotGeometry {
    std::int16_t left = 1550;
    std::int16_t top = 700;
    std::int16_t width = 5000;
    std::int16_t height = 5000;

    // B, the bottom edge of the plot area.
    std::int16_t bottom() const { return static_cast<std::int16_t>(top + height); }
};

// Slots of the colour table besides the twelve column colours.
inline constexpr int BlackSlot = 13;
inline constexpr int WhiteSlot = 14;
inline constexpr int GreySlot = 16;

// The values a chart command derives from the dataset and the bar routines share: plot
// geometry, colours, totals and the per-bar geometry. Indexes count from 1, as the rows and
// columns of the dataset do.
struct ChartState {
    PlotGeometry plot;
    std::array<QRgb, 17> colorTable{}; // slots 1..16
    std::array<float, 11> rowTotal{};
    float grandTotal = 0;
    std::array<std::array<float, 13>, 11> segWidth{};
    std::array<std::array<float, 13>, 11> segEnd{};
    std::array<float, 11> barHeight{};
};
