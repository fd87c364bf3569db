#include "graph/ImageCanvas.h"

#include "graph/CanvasText.h"
#include "graph/Fonts.h"
#include "graph/Twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int DotsPerMeter = 3780; // 96 dots per inch

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    return image;
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
    ascent_ = QFontMetrics(font_).ascent();
    useFont(CanvasFontSize);
    erase();
}

void ImageCanvas::setFontSize(int twips) {
    if (twips != fontSize_)
        useFont(twips);
}

void ImageCanvas::useFont(int size) {
    fontSize_ = size;
    textFont_ = chartFont(size);
    lineHeight_ = QFontMetrics(textFont_).height();
}

CanvasPainter& ImageCanvas::drawer() {
    // One painter stays open across operations: opening one per operation cost more than the
    // drawing itself.
    if (!painter_) {
        painter_.emplace(&image_);
        drawer_.emplace(*painter_, font_, ascent_);
    }
    return *drawer_;
}

void ImageCanvas::flush() const {
    drawer_.reset();
    painter_.reset();
}

const QImage& ImageCanvas::image() const {
    flush();
    return image_;
}

void ImageCanvas::erase() {
    flush();
    image_.fill(backColor_);
    drawer().drawPicture(picture_);
    record_.clear();
    title_.clear();
    currentX_ = 0;
    currentY_ = 0;
    if (erased_)
        erased_();
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
    const QFontMetrics metrics(textFont_);
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
    const int x = toPixels(currentX_);
    CanvasOperation op;
    op.kind = CanvasOperation::Kind::Text;
    op.x1 = currentX_;
    op.y1 = currentY_;
    op.colour = foreColor_;
    op.fontSize = fontSize_;
    op.text = visiblePart(canvasText(text), x, drawer().painter().layoutDirection());
    draw(std::move(op));
    currentX_ = 0;
    currentY_ += static_cast<float>(lineHeight_ * TwipsPerPixel);
}

void ImageCanvas::line(LineForm form, float x1, float y1, float x2, float y2, QRgb colour) {
    CanvasOperation op;
    op.drawWidth = drawWidth_;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    switch (form) {
    case LineForm::Line:
        op.kind = CanvasOperation::Kind::Line;
        op.colour = colour;
        break;
    case LineForm::Box:
        op.kind = CanvasOperation::Kind::Box;
        op.fillStyle = fillStyle_;
        op.colour = fillColor_;
        break;
    case LineForm::FilledBox:
        op.kind = CanvasOperation::Kind::FilledBox;
        op.colour = colour;
        break;
    }
    draw(std::move(op));
}

void ImageCanvas::draw(CanvasOperation op) {
    drawer().draw(record_.add(std::move(op)));
    notify();
}

void ImageCanvas::setHeight(float twips) {
    const int height = toPixels(twips);
    if (height == image_.height())
        return;
    flush();
    record_.heightChanged(image_.height() * TwipsPerPixel, height * TwipsPerPixel);
    // New rows show the background and the picture under it as erase() would; the rows kept
    // keep their drawing.
    QImage resized = blankImage(image_.width(), height);
    resized.fill(backColor_);
    QPainter painter(&resized);
    CanvasPainter(painter, font_, ascent_).drawPicture(picture_);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = resized;
    notify();
}

void ImageCanvas::replay(QPainter& painter) const {
    if (!painter.isActive())
        return;
    painter.save();
    CanvasPainter device(painter, font_, ascent_);
    device.clipToCanvas(sizeTwips());
    device.fillCanvas(sizeTwips(), backColor_);
    device.drawPicture(picture_);
    record_.replay(device, sizeTwips());
    painter.restore();
}

QSize ImageCanvas::sizeTwips() const {
    return image_.size() * TwipsPerPixel;
}

void ImageCanvas::notify() const {
    if (changed_)
        changed_();
}
