#include "graph/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(int widthTwips, int heightTwips, QRgb backColor, QWidget* parent)
    : QWidget(parent)
    , canvas_(widthTwips, heightTwips, backColor) {
    setObjectName(QStringLiteral("Pic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(canvas_.image().size());
    canvas_.setChangeListener([this] {
        if (size() != canvas_.image().size())
            resize(canvas_.image().size());
        update();
    });
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), canvas_.image(), event->rect());
}
