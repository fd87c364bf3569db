#pragma once

#include "graph/Canvas.h"
#include "graph/CanvasPainter.h"
#include "graph/CanvasRecord.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <functional>
#include <optional>

// The canvas of the program: a QImage holds the persistent picture at 15 twips a pixel, under
// it lies an optional background picture at the top-left corner that cls() keeps and that rows
// added by setHeight() show. What was drawn since the last clearing is also kept as operations,
// to be drawn again on other devices.
class ImageCanvas : public Canvas {
public:
    ImageCanvas(int widthTwips, int heightTwips, QRgb backColor);

    void cls() override;
    void setBackColor(QRgb colour) override;
    void setDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void setFillStyle(FillStyle style) override { fillStyle_ = style; }
    void setFillColor(QRgb colour) override { fillColor_ = colour; }
    void setForeColor(QRgb colour) override { foreColor_ = colour; }
    void setFontSize(int twips) override;
    void setCurrentX(float x) override { currentX_ = x; }
    void setCurrentY(float y) override { currentY_ = y; }
    void print(const QString& text) override;
    void line(LineForm form, float x1, float y1, float x2, float y2, QRgb colour = 0) override;
    void setHeight(float twips) override;

    // The canvas's picture: background colour, background picture and drawing. Reading it ends
    // the painter that stays open while drawing goes on.
    const QImage& image() const;
    // The picture's size in pixels; reading it leaves the drawing under way alone.
    QSize pixelSize() const { return image_.size(); }
    // Shows `picture` at the top-left corner under the drawing; the drawing is erased.
    void setPicture(const QImage& picture);

    // Draws the canvas's picture again onto the painter's device, from the painter's origin, at
    // the device's resolution and the canvas's physical size: background colour, background
    // picture (as an image) and everything drawn since the canvas was last cleared, by the same
    // drawing code; lines, boxes, hatching and texts stay vector shapes and texts on a vector
    // device, and hatch lines keep their physical spacing. On a 96-dpi image it gives image()
    // pixel for pixel.
    void replay(QPainter& painter) const;
    // The canvas's size in twips (its physical size: 1440 twips to the inch).
    QSize sizeTwips() const;

    // The chart's title, for the picture files that carry a title; the drawing's erasing forgets
    // it.
    void setTitle(const QString& title) { title_ = title; }
    const QString& title() const { return title_; }

    // What the picture is made of, for writers that draw it again by themselves: the
    // background colour and picture, the operations and the font of the texts with its ascent
    // in screen pixels.
    QRgb backColor() const { return backColor_; }
    const QImage& backgroundPicture() const { return picture_; }
    const CanvasRecord& record() const { return record_; }
    const QFont& font() const { return font_; }
    int ascent() const { return ascent_; }

    int drawWidth() const { return drawWidth_; }
    FillStyle fillStyle() const { return fillStyle_; }
    QRgb fillColor() const { return fillColor_; }
    QRgb foreColor() const { return foreColor_; }
    float currentX() const { return currentX_; }
    float currentY() const { return currentY_; }

    // Called after every change of the picture, so that a widget showing it can schedule a
    // repaint; reading image() there would open a new painter for every operation.
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }
    // Called when the drawing is erased (cls, background colour, picture), before the change.
    void setEraseListener(std::function<void()> listener) { erased_ = std::move(listener); }

private:
    CanvasPainter& drawer();
    // Ends the open painter, so that the image can be read, copied or replaced.
    void flush() const;
    void erase();
    QString visiblePart(const QString& text, int x, Qt::LayoutDirection direction) const;
    void useFont(int size);
    void draw(CanvasOperation op);
    void notify() const;

    QImage image_;
    mutable std::optional<QPainter> painter_;
    mutable std::optional<CanvasPainter> drawer_; // draws on the image with painter_
    CanvasRecord record_;
    QImage picture_;
    QString title_;
    QFont font_;
    int ascent_ = 0; // pixels from the top of a text line to its baseline
    // The font of the texts printed now, and the pixels from one of its lines to the next.
    int fontSize_ = 0;
    QFont textFont_;
    int lineHeight_ = 0;
    QRgb backColor_;
    int drawWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    QRgb fillColor_ = qRgb(0, 0, 0);
    QRgb foreColor_ = qRgb(0, 0, 0);
    float currentX_ = 0;
    float currentY_ = 0;
    std::function<void()> changed_;
    std::function<void()> erased_;
};
