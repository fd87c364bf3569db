#pragma once

#include <QRgb>

#include <span>

// How far apart colours look to readers of each colour vision, by which a palette is judged.

enum class ColourVision { Normal, Protanopia, Deuteranopia };

// The CIE76 difference (ΔE*ab; about 10 tells two colours apart at a glance) of two sRGB colours
// as a reader with that vision sees them, simulated after Machado, Oliveira and Fernandes (2009)
// at full severity.
double seenDifference(QRgb a, QRgb b, ColourVision vision);

// The smallest seen difference of any two of the colours.
double closestPair(std::span<const QRgb> colours, ColourVision vision);
