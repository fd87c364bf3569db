#include "graph/TextContrast.h"

#include <cmath>

namespace {

// An sRGB channel (0..255) as linear light.
double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb colour) {
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

} // namespace

QRgb textColourOn(QRgb fill) {
    const double l = luminance(fill);
    const double onBlack = (l + 0.05) / 0.05;
    const double onWhite = 1.05 / (l + 0.05);
    return onBlack >= onWhite ? qRgb(0, 0, 0) : qRgb(0xFF, 0xFF, 0xFF);
}
