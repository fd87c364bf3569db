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

// Whether the text starts a left-to-right paragraph and lays out left to right in it whatever
// follows: it has a left-to-right letter (the first strong one sets the paragraph's direction)
// and no right-to-left letters, Arabic digits or explicit direction marks.
bool staysLeftToRight(const QString& text) {
    bool leftToRight = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        switch (QChar::direction(code)) {
        case QChar::DirL:
            leftToRight = true;
            break;
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return false;
        default:
            break;
        }
    }
    return leftToRight;
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
// off anyway, and shaping a very long text costs far more than drawing what shows of it. Only a
// start that lays out left to right keeps its place whatever follows; otherwise (right-to-left
// letters reorder the line) the whole text is drawn.
QString ImageCanvas::visiblePart(const QString& text, int x, Qt::LayoutDirection direction) const {
    const int room = image_.width() - x;
    if (room <= 0)
        return {};
    if (direction == Qt::RightToLeft)
        return text;
    const QFontMetrics metrics(font_);
    for (qsizetype length = room / 4 + 8; length < text.size(); length *= 2) {
        if (text[length - 1].isHighSurrogate())
            ++length;
        const QString start =
            text.left(length + 8); // a few more, so shaping at the cut is unchanged
        if (!staysLeftToRight(start))
            return text;
        if (metrics.horizontalAdvance(text.left(length)) > room)
            return start;
    }
    return text;
}

void ImageCanvas::print(const QString& text) {
    QPainter& p = painter();
    p.setPen(QColor::fromRgb(Foreground));
    const int x = toPixels(currentX_);
    p.drawText(QPointF(x, toPixels(currentY_) + ascent_),
               visiblePart(text, x, p.layoutDirection()));
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
    // New rows show the background and the picture under it as erase() would; the rows kept
    // keep their drawing.
    QImage resized = blankImage(image_.width(), height);
    resized.fill(backColor_);
    QPainter painter(&resized);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = resized;
    notify();
}

void ImageCanvas::notify() const {
    if (changed_)
        changed_();
}
