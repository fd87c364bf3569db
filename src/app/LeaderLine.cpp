#include "app/LeaderLine.h"

#include <QPainter>

LeaderLine::LeaderLine(QPoint from, QPoint to, QColor colour, QWidget* parent)
    : QWidget(parent)
    , from_(from)
    , to_(to)
    , colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
}

void LeaderLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(colour_);
    painter.drawLine(from_ - pos(), to_ - pos());
}
