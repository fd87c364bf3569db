#include "graph/CanvasShapes.h"

#include <algorithm>
#include <cmath>

namespace {

// Hatch lines lie 8 screen pixels (120 twips) apart, anchored to the canvas's origin.
constexpr double HatchPitch = 8;

// The whole numbers k with low <= offset + k * pitch <= high.
std::pair<int, int> steps(double low, double high, double offset) {
    return {static_cast<int>(std::floor((low - offset) / HatchPitch)),
            static_cast<int>(std::ceil((high - offset) / HatchPitch))};
}

} // namespace

// Qt's pattern brushes put their pixels in rows 3 and columns 4 of every 8, and diagonals through
// the pixels where x + y or x - y is a multiple of 8 (plus 7 for x + y).
std::vector<QLineF> hatchLines(const QRectF& area, FillStyle style) {
    const QRectF wide = area.adjusted(-1, -1, 1, 1); // line ends lie outside, under the clip
    std::vector<QLineF> lines;
    const auto across = [&](double offset) {
        const auto [first, last] = steps(wide.top(), wide.bottom(), offset);
        for (int k = first; k <= last; ++k) {
            const double y = offset + k * HatchPitch;
            lines.emplace_back(wide.left(), y, wide.right(), y);
        }
    };
    const auto down = [&](double offset) {
        const auto [first, last] = steps(wide.left(), wide.right(), offset);
        for (int k = first; k <= last; ++k) {
            const double x = offset + k * HatchPitch;
            lines.emplace_back(x, wide.top(), x, wide.bottom());
        }
    };
    const auto rising = [&] { // x + y = c
        const auto [first, last] = steps(wide.left() + wide.top(), wide.right() + wide.bottom(), 0);
        for (int k = first; k <= last; ++k) {
            const double c = k * HatchPitch;
            lines.emplace_back(c - wide.bottom(), wide.bottom(), c - wide.top(), wide.top());
        }
    };
    const auto falling = [&] { // x - y = c
        const auto [first, last] = steps(wide.left() - wide.bottom(), wide.right() - wide.top(), 0);
        for (int k = first; k <= last; ++k) {
            const double c = k * HatchPitch;
            lines.emplace_back(c + wide.top(), wide.top(), c + wide.bottom(), wide.bottom());
        }
    };
    switch (style) {
    case FillStyle::Horizontal:
        across(3.5);
        break;
    case FillStyle::Vertical:
        down(4.5);
        break;
    case FillStyle::UpwardDiagonal:
        rising();
        break;
    case FillStyle::DownwardDiagonal:
        falling();
        break;
    case FillStyle::Cross:
        across(3.5);
        down(4.5);
        break;
    case FillStyle::DiagonalCross:
        rising();
        falling();
        break;
    case FillStyle::Solid:
    case FillStyle::Transparent:
        break;
    }
    return lines;
}

QRectF boxArea(const CanvasOperation& op, const DeviceUnits& units) {
    const double x1 = units.x(op.x1);
    const double y1 = units.y(op.y1);
    const double x2 = units.x(op.x2);
    const double y2 = units.y(op.y2);
    return QRectF(
        QPointF(std::min(x1, x2), std::min(y1, y2)),
        QPointF(std::max(x1, x2) + units.pixelWidth(), std::max(y1, y2) + units.pixelHeight()));
}

std::array<QRectF, 4> outlineBands(const QRectF& box, int drawWidth, const DeviceUnits& units) {
    const int w = std::max(1, drawWidth);
    const double bandWidth = w * units.pixelWidth();
    const double bandHeight = w * units.pixelHeight();
    const QRectF outer =
        box.adjusted(0, 0, bandWidth - units.pixelWidth(), bandHeight - units.pixelHeight());
    return {QRectF(outer.left(), outer.top(), outer.width(), bandHeight),
            QRectF(outer.left(), outer.bottom() - bandHeight, outer.width(), bandHeight),
            QRectF(outer.left(), outer.top(), bandWidth, outer.height()),
            QRectF(outer.right() - bandWidth, outer.top(), bandWidth, outer.height())};
}

QRectF hatchArea(const QRectF& box, const DeviceUnits& units) {
    const double pw = units.pixelWidth();
    const double ph = units.pixelHeight();
    return box.adjusted(pw / 2, ph / 2, -pw / 2, -ph / 2);
}
