#pragma once

#include <QRect>

#include <algorithm>
#include <cmath>

// All geometry of the program is in twips (1/1440 inch); at 96 dots per inch a pixel is 15
// twips. This is the one place where twips become pixels, or the units of another device.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int ScreenDotsPerInch = 96;
inline constexpr int TwipsPerPixel = TwipsPerInch / ScreenDotsPerInch;
inline constexpr int TwipsPerPoint = 20; // PDF and paper sizes come in points, 72 to the inch

// Pixel numbers stay within this far beyond any canvas, so that far-off chart coordinates do not
// wrap round and sums of a few of them still fit an int.
inline constexpr int PixelLimit = 1 << 24;

// Twips in the units of a device of `dotsPerInch`, not rounded. At 96 dots per inch the divisor
// is exactly 15, so the result is that of twips / 15.
inline double toDeviceUnits(double twips, int dotsPerInch) {
    const double units = twips / (double(TwipsPerInch) / dotsPerInch);
    if (std::isnan(units))
        return 0;
    return std::clamp(units, -double(PixelLimit), double(PixelLimit));
}

inline int toPixels(double twips) {
    return static_cast<int>(std::lround(toDeviceUnits(twips, ScreenDotsPerInch)));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// Twips in the units of one device: a raster device rounds positions to whole pixels, as
// toPixels() does at 96 dots per inch; a vector device keeps them exact.
struct DeviceUnits {
    int dotsPerInchX = ScreenDotsPerInch;
    int dotsPerInchY = ScreenDotsPerInch;
    bool wholePixels = true;

    double x(double twips) const { return round(toDeviceUnits(twips, dotsPerInchX)); }
    double y(double twips) const { return round(toDeviceUnits(twips, dotsPerInchY)); }
    // The size of a screen pixel (15 twips) on the device.
    double pixelWidth() const { return double(dotsPerInchX) / ScreenDotsPerInch; }
    double pixelHeight() const { return double(dotsPerInchY) / ScreenDotsPerInch; }
    bool isScreen() const {
        return dotsPerInchX == ScreenDotsPerInch && dotsPerInchY == ScreenDotsPerInch;
    }

private:
    double round(double units) const {
        return wholePixels ? static_cast<double>(std::lround(units)) : units;
    }
};
