#pragma once

#include "graph/CanvasOperation.h"
#include "graph/Twips.h"

#include <QFont>
#include <QImage>
#include <QPainter>

// Draws canvas operations onto a painter's device at the device's own resolution: the one
// drawing code of the canvas, for its picture on screen as for printers and vector files.
// Positions are taken from the painter's origin, which is the canvas's top-left corner.
class CanvasPainter {
public:
    // Sets `font` on the painter; `ascent` is the font's ascent in screen pixels. Texts of
    // another size than CanvasFontSize are drawn in the font at their size.
    CanvasPainter(QPainter& painter, const QFont& font, int ascent);

    void draw(const CanvasOperation& op);
    // The background colour over the canvas's area, of `size` twips.
    void fillCanvas(QSize size, QRgb colour);
    // The background picture at the top-left corner, a screen pixel to each of its pixels.
    void drawPicture(const QImage& picture);
    // Limits what is drawn from now on to the canvas's area, of `size` twips.
    void clipToCanvas(QSize size);

    QPainter& painter() { return painter_; }

private:
    // A QColor or a QBrush: a plain colour takes QPainter's fast path, with no brush made.
    template <typename Fill> void fillRect(const QRectF& rect, const Fill& fill);
    void fillBox(const QRectF& box, FillStyle style, QRgb colour);
    void hatch(const QRectF& box, FillStyle style, const QColor& colour);
    void outline(const QRectF& box, int drawWidth, QRgb colour);
    void text(const CanvasOperation& op);
    void drawWhole(const QString& text);
    void useFontSize(int size);

    QPainter& painter_;
    DeviceUnits units_;
    QFont font_;
    int fontSize_ = CanvasFontSize;
    int ascent_ = 0;
};
