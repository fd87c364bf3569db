#pragma once

#include <QRect>

#include <algorithm>
#include <cmath>

// All geometry of the program is in twips (1/1440 inch); at 96 dots per inch a pixel is 15
// twips. This is the one place where twips become pixels.
inline constexpr int TwipsPerPixel = 15;

// Pixel numbers stay within this far beyond any canvas, so that far-off chart coordinates do not
// wrap round and sums of a few of them still fit an int.
inline constexpr int PixelLimit = 1 << 24;

inline int toPixels(double twips) {
    const double pixels = twips / TwipsPerPixel;
    if (std::isnan(pixels))
        return 0;
    return static_cast<int>(
        std::lround(std::clamp(pixels, -double(PixelLimit), double(PixelLimit))));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
