#pragma once

#include <QRect>

#include <cmath>

// All geometry of the program is in twips (1/1440 inch); at 96 dots per inch a pixel is 15
// twips. This is the one place where twips become pixels.
inline constexpr int TwipsPerPixel = 15;

inline int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
