#pragma once

#include "graph/Canvas.h"
#include "graph/GraphSize.h"

#include <QStringList>

// A canvas that draws nothing and keeps every operation with its exact arguments, one line of
// text each, such as "line(38, 1550, 700, 3050, 1200, #ff0000)"; a line names its colour only
// where it is not black.
class RecordingCanvas : public Canvas {
public:
    void cls() override;
    void setBackColor(QRgb colour) override;
    void setDrawWidth(int pixels) override;
    void setFillStyle(FillStyle style) override;
    void setFillColor(QRgb colour) override;
    void setForeColor(QRgb colour) override;
    void setFontSize(int twips) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    void print(const QString& text) override;
    void line(LineForm form, float x1, float y1, float x2, float y2, QRgb colour = 0) override;
    void setHeight(float twips) override;

    QStringList ops;

    // The operations whose text starts with `prefix`.
    QStringList only(const QString& prefix) const;
    // "print(x, y, text)" for every text, with the position it was printed at.
    QStringList texts() const;

private:
    float x_ = 0;
    float y_ = 0;
};

// A graph window made of a recording canvas, which notes its window heights among the canvas
// operations.
class RecordingSurface : public GraphSurface {
public:
    Canvas& canvas() override { return pic; }
    void setWindowHeight(int twips) override;

    RecordingCanvas pic;
};
