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
    erase();
}

void ImageCanvas::erase() {
    image_.fill(backColor_);
    if (!picture_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(0, 0, picture_);
    }
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

void ImageCanvas::print(const QString& text) {
    const QFontMetrics metrics(font_);
    {
        QPainter painter(&image_);
        painter.setFont(font_);
        painter.setPen(QColor::fromRgb(Foreground));
        painter.drawText(QPointF(toPixels(currentX_), toPixels(currentY_) + metrics.ascent()),
                         text);
    }
    currentX_ = 0;
    currentY_ += static_cast<float>(metrics.height() * TwipsPerPixel);
    notify();
}

void ImageCanvas::outline(QPainter& painter, const QRect& box, QRgb colour) const {
    QPen pen(QColor::fromRgb(colour), drawWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.left(), box.top(), box.width() - 1, box.height() - 1);
}

void ImageCanvas::line(LineForm form, float x1, float y1, float x2, float y2, QRgb colour) {
    QPainter painter(&image_);
    switch (form) {
    case LineForm::Line:
        painter.setPen(QPen(QColor::fromRgb(Foreground), drawWidth_));
        painter.drawLine(toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2));
        break;
    case LineForm::Box: {
        const QRect box = pixelBox(x1, y1, x2, y2);
        if (fillStyle_ != FillStyle::Transparent)
            painter.fillRect(box, QBrush(QColor::fromRgb(fillColor_), brushStyle(fillStyle_)));
        outline(painter, box, Foreground);
        break;
    }
    case LineForm::FilledBox: {
        const QRect box = pixelBox(x1, y1, x2, y2);
        painter.fillRect(box, QColor::fromRgb(colour));
        outline(painter, box, colour);
        break;
    }
    }
    painter.end();
    notify();
}

void ImageCanvas::setHeight(float twips) {
    const int height = toPixels(twips);
    if (height == image_.height())
        return;
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
