#include "graph/ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

// Machado et al. (2009), severity 1.0, on linear RGB.
constexpr Matrix Protanopia = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
// Linear sRGB to CIE XYZ, and the D65 white point.
constexpr Matrix ToXyz = {{{0.4124564, 0.3575761, 0.1804375},
                           {0.2126729, 0.7151522, 0.0721750},
                           {0.0193339, 0.1191920, 0.9503041}}};
constexpr Vector White = {0.95047, 1.0, 1.08883};

Vector times(const Matrix& m, const Vector& v) {
    Vector out{};
    for (std::size_t i = 0; i < 3; ++i)
        out.at(i) = m.at(i).at(0) * v.at(0) + m.at(i).at(1) * v.at(1) + m.at(i).at(2) * v.at(2);
    return out;
}

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector lab(QRgb colour, ColourVision vision) {
    Vector rgb = {linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
    if (vision != ColourVision::Normal) {
        rgb = times(vision == ColourVision::Protanopia ? Protanopia : Deuteranopia, rgb);
        for (double& c : rgb) // the simulation leaves the gamut a little for saturated colours
            c = std::clamp(c, 0.0, 1.0);
    }
    const Vector xyz = times(ToXyz, rgb);
    const auto f = [](double t) {
        constexpr double delta = 6.0 / 29;
        return t > delta * delta * delta ? std::cbrt(t) : t / (3 * delta * delta) + 4.0 / 29;
    };
    const double fx = f(xyz[0] / White[0]);
    const double fy = f(xyz[1] / White[1]);
    const double fz = f(xyz[2] / White[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

} // namespace

double seenDifference(QRgb a, QRgb b, ColourVision vision) {
    const Vector p = lab(a, vision);
    const Vector q = lab(b, vision);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

double closestPair(std::span<const QRgb> colours, ColourVision vision) {
    double closest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < colours.size(); ++i)
        for (std::size_t j = i + 1; j < colours.size(); ++j)
            closest = std::min(closest, seenDifference(colours[i], colours[j], vision));
    return closest;
}
