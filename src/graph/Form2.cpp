#include "graph/Form2.h"

#include "graph/PictureBox.h"
#include "graph/Twips.h"

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , pic_(new PictureBox(CanvasWidth, CanvasHeight, qRgb(0xE0, 0xE0, 0xE0), this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("量率グラフ"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(toPixels(ClientWidth), toPixels(ClientHeight));
    pic_->move(0, 0);
}

Canvas& Form2::canvas() {
    return pic_->canvas();
}

ImageCanvas& Form2::picture() {
    return pic_->canvas();
}

int Form2::frameHeight() const {
    const int frame = frameGeometry().height() - geometry().height();
    return isVisible() && frame > 0 ? frame * TwipsPerPixel : UnknownFrameHeight;
}

void Form2::setWindowHeight(int twips) {
    resize(width(), toPixels(twips - frameHeight()));
}

int Form2::windowHeight() const {
    return height() * TwipsPerPixel + frameHeight();
}
