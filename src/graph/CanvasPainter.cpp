#include "graph/CanvasPainter.h"

#include "graph/CanvasShapes.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr QRgb Foreground = qRgb(0, 0, 0);

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

} // namespace

CanvasPainter::CanvasPainter(QPainter& painter, const QFont& font, int ascent)
    : painter_(painter)
    , units_{painter.device()->logicalDpiX(), painter.device()->logicalDpiY(),
             isEngine(painter, QPaintEngine::Raster)}
    , font_(font)
    , ascent_(ascent) {
    painter_.setFont(font);
}

void CanvasPainter::draw(const CanvasOperation& op) {
    switch (op.kind) {
    case CanvasOperation::Kind::Text:
        text(op);
        break;
    case CanvasOperation::Kind::Line:
        painter_.setPen(QPen(QColor::fromRgb(op.colour), op.drawWidth * units_.pixelWidth()));
        painter_.drawLine(
            QLineF(units_.x(op.x1), units_.y(op.y1), units_.x(op.x2), units_.y(op.y2)));
        break;
    case CanvasOperation::Kind::Box: {
        const QRectF box = boxArea(op, units_);
        fillBox(box, op.fillStyle, op.colour);
        outline(box, op.drawWidth, Foreground);
        break;
    }
    case CanvasOperation::Kind::FilledBox: {
        const QRectF box = boxArea(op, units_);
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

// Hatch lines a screen pixel wide, drawn in screen pixels scaled to the device.
void CanvasPainter::hatch(const QRectF& box, FillStyle style, const QColor& colour) {
    const double pw = units_.pixelWidth();
    const double ph = units_.pixelHeight();
    const QRectF bounds =
        painter_.hasClipping() ? painter_.clipBoundingRect() : QRectF(painter_.window());
    const QRectF area = hatchArea(box, units_) & bounds;
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

// The outline as solid bands, which stay crisp and cost far less than a stroked rectangle.
void CanvasPainter::outline(const QRectF& box, int drawWidth, QRgb colour) {
    const QColor c = QColor::fromRgb(colour);
    for (const QRectF& band : outlineBands(box, drawWidth, units_))
        fillRect(band, c);
}

// The text's top-left corner at its position; on other devices than the screen the text is laid
// out as on the screen and scaled, so that it keeps its physical size and its breaks.
void CanvasPainter::text(const CanvasOperation& op) {
    useFontSize(op.fontSize);
    painter_.setPen(QColor::fromRgb(op.colour));
    const QPointF at(units_.x(op.x1), units_.y(op.y1));
    if (units_.isScreen()) {
        painter_.drawText(QPointF(at.x(), at.y() + ascent_), op.text);
        return;
    }
    painter_.save();
    painter_.translate(at);
    painter_.scale(units_.pixelWidth(), units_.pixelHeight());
    drawWhole(op.text);
    painter_.restore();
}

// The text as one run of glyphs wherever one font holds all of them: drawn as it is, a vector
// device gets a run for each script ("家計の内訳" as 家計 / の / 内訳), and the text can no longer
// be found or selected as one phrase.
void CanvasPainter::drawWhole(const QString& text) {
    QTextLayout layout(text, painter_.font(), painter_.device());
    QTextOption option;
    option.setTextDirection(painter_.layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    const QPointF origin(0, ascent_ - line.ascent());
    const QList<QGlyphRun> runs = line.glyphRuns();
    QGlyphRun whole;
    for (const QGlyphRun& run : runs) {
        if (whole.isEmpty()) {
            whole = run;
        } else if (run.rawFont() == whole.rawFont()) {
            whole.setGlyphIndexes(whole.glyphIndexes() + run.glyphIndexes());
            whole.setPositions(whole.positions() + run.positions());
        } else {
            painter_.drawGlyphRun(origin, whole);
            whole = run;
        }
    }
    if (!whole.isEmpty())
        painter_.drawGlyphRun(origin, whole);
}

// The font at the text's size, kept for the texts after it; its ascent measured as the canvas
// measures it.
void CanvasPainter::useFontSize(int size) {
    if (size == fontSize_)
        return;
    fontSize_ = size;
    QFont font = font_;
    font.setPixelSize(toPixels(size));
    ascent_ = QFontMetrics(font).ascent();
    painter_.setFont(font);
}
