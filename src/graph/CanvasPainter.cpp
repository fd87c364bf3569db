#include "graph/CanvasPainter.h"

#include "graph/XmlText.h"

#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr QRgb Foreground = qRgb(0, 0, 0);
// Hatch lines lie 8 screen pixels (120 twips) apart, anchored to the canvas's origin.
constexpr double HatchPitch = 8;

Qt::BrushStyle brushStyle(FillStyle style) {
    switch (style) {
    case FillStyle::Solid:
        return Qt::SolidPattern;
    case FillStyle::Transparent:
        return Qt::NoBrush;
    case FillStyle::Horizontal:
        return Qt::HorPattern;
    case FillStyle::Vertical:
        return Qt::VerPattern;
    case FillStyle::UpwardDiagonal:
        return Qt::BDiagPattern;
    case FillStyle::DownwardDiagonal:
        return Qt::FDiagPattern;
    case FillStyle::Cross:
        return Qt::CrossPattern;
    case FillStyle::DiagonalCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::NoBrush;
}

bool isEngine(const QPainter& painter, QPaintEngine::Type type) {
    return painter.paintEngine() && painter.paintEngine()->type() == type;
}

// The whole numbers k with low <= offset + k * pitch <= high.
std::pair<int, int> steps(double low, double high, double offset) {
    return {static_cast<int>(std::floor((low - offset) / HatchPitch)),
            static_cast<int>(std::ceil((high - offset) / HatchPitch))};
}

// Hatch lines across `area`, in screen pixels, where Qt's pattern brushes put their pixels: rows
// 3 and columns 4 of every 8, diagonals through the pixels where x + y or x - y is a multiple
// of 8 (plus 7 for x + y).
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

} // namespace

CanvasPainter::CanvasPainter(QPainter& painter, const QFont& font, int ascent)
    : painter_(painter)
    , units_{painter.device()->logicalDpiX(), painter.device()->logicalDpiY(),
             isEngine(painter, QPaintEngine::Raster)}
    , ascent_(ascent)
    , xmlTexts_(isEngine(painter, QPaintEngine::SVG)) {
    painter_.setFont(font);
}

void CanvasPainter::draw(const CanvasOperation& op) {
    switch (op.kind) {
    case CanvasOperation::Kind::Text:
        text(op);
        break;
    case CanvasOperation::Kind::Line:
        painter_.setPen(QPen(QColor::fromRgb(Foreground), op.drawWidth * units_.pixelWidth()));
        painter_.drawLine(
            QLineF(units_.x(op.x1), units_.y(op.y1), units_.x(op.x2), units_.y(op.y2)));
        break;
    case CanvasOperation::Kind::Box: {
        const QRectF box = boxRect(op);
        fillBox(box, op.fillStyle, op.colour);
        outline(box, op.drawWidth, Foreground);
        break;
    }
    case CanvasOperation::Kind::FilledBox: {
        const QRectF box = boxRect(op);
        fillRect(box, QColor::fromRgb(op.colour));
        outline(box, op.drawWidth, op.colour);
        break;
    }
    }
}

void CanvasPainter::fillCanvas(QSize size, QRgb colour) {
    fillRect(QRectF(0, 0, units_.x(size.width()), units_.y(size.height())),
             QColor::fromRgb(colour));
}

void CanvasPainter::drawPicture(const QImage& picture) {
    if (picture.isNull())
        return;
    if (units_.isScreen())
        painter_.drawImage(0, 0, picture);
    else
        painter_.drawImage(QRectF(0, 0, picture.width() * units_.pixelWidth(),
                                  picture.height() * units_.pixelHeight()),
                           picture);
}

void CanvasPainter::clipToCanvas(QSize size) {
    painter_.setClipRect(QRectF(0, 0, units_.x(size.width()), units_.y(size.height())),
                         Qt::IntersectClip);
}

// The box with corners at the two points, in either order, both edges included: it reaches a
// screen pixel beyond the right and bottom corner.
QRectF CanvasPainter::boxRect(const CanvasOperation& op) const {
    const double x1 = units_.x(op.x1);
    const double y1 = units_.y(op.y1);
    const double x2 = units_.x(op.x2);
    const double y2 = units_.y(op.y2);
    return QRectF(
        QPointF(std::min(x1, x2), std::min(y1, y2)),
        QPointF(std::max(x1, x2) + units_.pixelWidth(), std::max(y1, y2) + units_.pixelHeight()));
}

template <typename Fill> void CanvasPainter::fillRect(const QRectF& rect, const Fill& fill) {
    if (units_.wholePixels)
        painter_.fillRect(rect.toRect(), fill);
    else
        painter_.fillRect(rect, fill);
}

void CanvasPainter::fillBox(const QRectF& box, FillStyle style, QRgb colour) {
    if (style == FillStyle::Transparent)
        return;
    const QColor c = QColor::fromRgb(colour);
    // Qt's pattern brushes are in device pixels: right on a screen-resolution image only.
    if (style == FillStyle::Solid)
        fillRect(box, c);
    else if (units_.wholePixels && units_.isScreen())
        fillRect(box, QBrush(c, brushStyle(style)));
    else
        hatch(box, style, c);
}

// Hatch lines a screen pixel wide, drawn in screen pixels scaled to the device, cut half a pixel
// inside the box: the outline covers that much on every side, and hides where renderers round
// the cut differently from the outline's edge.
void CanvasPainter::hatch(const QRectF& box, FillStyle style, const QColor& colour) {
    const double pw = units_.pixelWidth();
    const double ph = units_.pixelHeight();
    const QRectF bounds =
        painter_.hasClipping() ? painter_.clipBoundingRect() : QRectF(painter_.window());
    const QRectF area = box.adjusted(pw / 2, ph / 2, -pw / 2, -ph / 2) & bounds;
    if (area.isEmpty())
        return;
    const std::vector<QLineF> lines = hatchLines(
        QRectF(area.left() / pw, area.top() / ph, area.width() / pw, area.height() / ph), style);
    painter_.save();
    painter_.setClipRect(area, Qt::IntersectClip);
    painter_.scale(pw, ph);
    painter_.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter_.restore();
}

// The outline as four solid bands of the line width, which stay crisp and cost far less than a
// stroked rectangle; wider outlines grow to the right and downwards.
void CanvasPainter::outline(const QRectF& box, int drawWidth, QRgb colour) {
    const int w = std::max(1, drawWidth);
    const double bandWidth = w * units_.pixelWidth();
    const double bandHeight = w * units_.pixelHeight();
    const QRectF outer =
        box.adjusted(0, 0, bandWidth - units_.pixelWidth(), bandHeight - units_.pixelHeight());
    const QColor c = QColor::fromRgb(colour);
    fillRect(QRectF(outer.left(), outer.top(), outer.width(), bandHeight), c);
    fillRect(QRectF(outer.left(), outer.bottom() - bandHeight, outer.width(), bandHeight), c);
    fillRect(QRectF(outer.left(), outer.top(), bandWidth, outer.height()), c);
    fillRect(QRectF(outer.right() - bandWidth, outer.top(), bandWidth, outer.height()), c);
}

// The text's top-left corner at its position; on other devices than the screen the text is laid
// out as on the screen and scaled, so that it keeps its physical size and its breaks.
void CanvasPainter::text(const CanvasOperation& op) {
    painter_.setPen(QColor::fromRgb(Foreground));
    const QPointF at(units_.x(op.x1), units_.y(op.y1));
    const QString text = xmlTexts_ ? xmlText(op.text) : op.text;
    if (units_.isScreen()) {
        painter_.drawText(QPointF(at.x(), at.y() + ascent_), text);
        return;
    }
    painter_.save();
    painter_.translate(at);
    painter_.scale(units_.pixelWidth(), units_.pixelHeight());
    painter_.drawText(QPointF(0, ascent_), text);
    painter_.restore();
}
