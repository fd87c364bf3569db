#pragma once

#include "graph/ImageCanvas.h"

#include <QWidget>

// The canvas widget `Pic`: it owns the persistent picture and shows it; painting only copies the
// picture, so the drawing survives being covered.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(int widthTwips, int heightTwips, QRgb backColor, QWidget* parent = nullptr);

    ImageCanvas& canvas() { return canvas_; }
    const ImageCanvas& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageCanvas canvas_;
};
