#include "app/AppIcon.h"

#include <QPainter>

// Drawn straight at the size, each pixel of the design a square: enlarging the 32-pixel image
// cost a painter and a transformed copy a size.
QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(Qt::gray));
    QPainter painter(&image);
    painter.scale(size / 32, size / 32);
    painter.fillRect(1, 1, 30, 30, Qt::white);

    // Each bar: its top row, its height, and the lengths of its red and yellow segments; green
    // fills the rest of the 28 pixels.
    struct Bar {
        int top, height, red, yellow;
    };
    const Bar bars[] = {{2, 7, 10, 8}, {10, 4, 6, 14}, {15, 15, 12, 6}};
    for (const Bar& bar : bars) {
        painter.fillRect(2, bar.top, bar.red, bar.height, Qt::red);
        painter.fillRect(2 + bar.red, bar.top, bar.yellow, bar.height, Qt::yellow);
        painter.fillRect(2 + bar.red + bar.yellow, bar.top, 28 - bar.red - bar.yellow, bar.height,
                         Qt::green);
    }
    painter.fillRect(2, 9, 28, 1, Qt::black);
    painter.fillRect(2, 14, 28, 1, Qt::black);
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : WindowIconSizes)
        icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}
