#include "graph/ImageCanvas.h"

#include "graph/Fonts.h"
#include "graph/Twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr QRgb Foreground = qRgb(0, 0, 0);
constexpr int DotsPerMeter = 3780; // 96 dots per inch

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

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    return image;
}

// The pixel box with corners at the two points, in either order, both edges included.
QRect pixelBox(float x1, float y1, float x2, float y2) {
    const QPoint a(toPixels(x1), toPixels(y1));
    const QPoint b(toPixels(x2), toPixels(y2));
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace

ImageCanvas::ImageCanvas(int widthTwips, int heightTwips, QRgb backColor)
    : image_(blankImage(toPixels(widthTwips), toPixels(heightTwips)))
    , font_(chartFont())
    , backColor_(backColor) {
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    lineHeight_ = metrics.height();
    erase();
}

QPainter& ImageCanvas::painter() {
    // One painter stays open across operations: opening one per operation cost more than the
    // drawing itself.
    if (!painter_) {
        painter_.emplace(&image_);
        painter_->setFont(font_);
    }
    return *painter_;
}

void ImageCanvas::flush() const {
    painter_.reset();
}

const QImage& ImageCanvas::image() const {
    flush();
    return image_;
}

void ImageCanvas::erase() {
    flush();
    image_.fill(backColor_);
    if (!picture_.isNull())
        painter().drawImage(0, 0, picture_);
    currentX_ = 0;
    currentY_ = 0;
    notify();
}

void ImageCanvas::cls() {
    erase();
}

void ImageCanvas::setBackColor(QRgb colour) {
    backColor_ = colour;
    erase();
}

void ImageCanvas::setPicture(const QImage& picture) {
    picture_ = picture;
    erase();
}

// The start of the text that reaches past the canvas's right edge from x: the rest would be cut
// off anyway, and shaping a very long text costs far more than drawing what shows of it.
QString ImageCanvas::visiblePart(const QString& text, int x) const {
    const int room = image_.width() - x;
    if (room <= 0)
        return {};
    const QFontMetrics metrics(font_);
    for (qsizetype length = room / 4 + 8; length < text.size(); length *= 2) {
        if (text[length - 1].isHighSurrogate())
            ++length;
        const QString start =
            text.left(length + 8); // a few more, so shaping at the cut is unchanged
        if (metrics.horizontalAdvance(text.left(length)) > room)
            return start;
    }
    return text;
}

void ImageCanvas::print(const QString& text) {
    QPainter& p = painter();
    p.setPen(QColor::fromRgb(Foreground));
    const int x = toPixels(currentX_);
    p.drawText(QPointF(x, toPixels(currentY_) + ascent_), visiblePart(text, x));
    currentX_ = 0;
    currentY_ += static_cast<float>(lineHeight_ * TwipsPerPixel);
    notify();
}

// The outline as four solid bands of the line width, which stay crisp and cost far less than a
// stroked rectangle; wider outlines grow to the right and downwards.
void ImageCanvas::outline(const QRect& box, QRgb colour) {
    const int w = std::max(1, drawWidth_);
    const QRect outer = box.adjusted(0, 0, w - 1, w - 1);
    const QColor c = QColor::fromRgb(colour);
    QPainter& p = painter();
    p.fillRect(QRect(outer.left(), outer.top(), outer.width(), w), c);
    p.fillRect(QRect(outer.left(), outer.bottom() - w + 1, outer.width(), w), c);
    p.fillRect(QRect(outer.left(), outer.top(), w, outer.height()), c);
    p.fillRect(QRect(outer.right() - w + 1, outer.top(), w, outer.height()), c);
}

void ImageCanvas::line(LineForm form, float x1, float y1, float x2, float y2, QRgb colour) {
    switch (form) {
    case LineForm::Line: {
        QPainter& p = painter();
        p.setPen(QPen(QColor::fromRgb(Foreground), drawWidth_));
        p.drawLine(toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2));
        break;
    }
    case LineForm::Box: {
        const QRect box = pixelBox(x1, y1, x2, y2);
        if (fillStyle_ != FillStyle::Transparent)
            painter().fillRect(box, QBrush(QColor::fromRgb(fillColor_), brushStyle(fillStyle_)));
        outline(box, Foreground);
        break;
    }
    case LineForm::FilledBox: {
        const QRect box = pixelBox(x1, y1, x2, y2);
        painter().fillRect(box, QColor::fromRgb(colour));
        outline(box, colour);
        break;
    }
    }
    notify();
}

void ImageCanvas::setHeight(float twips) {
    const int height = toPixels(twips);
    if (height == image_.height())
        return;
    flush();
    QImage resized = blankImage(image_.width(), height);
    resized.fill(backColor_);
    QPainter painter(&resized);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = resized;
    notify();
}

void ImageCanvas::notify() const {
    if (changed_)
        changed_();
}
