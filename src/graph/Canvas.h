#pragma once

#include <QRgb>
#include <QString>

// The three forms of Line, by their flag bits: 4 start point given, 16 box, 32 box filled with
// the line colour (2 colour given).
enum class LineForm { Line = 4, Box = 20, FilledBox = 38 };

// Interior of an outlined box.
enum class FillStyle {
    Solid = 0,
    Transparent = 1,
    Horizontal = 2,
    Vertical = 3,
    UpwardDiagonal = 4,   // lower left to upper right: /
    DownwardDiagonal = 5, // upper left to lower right: backslash
    Cross = 6,
    DiagonalCross = 7,
};

// The height of the texts on a canvas until another is set, in twips: 12 pixels, 9 points.
inline constexpr int CanvasFontSize = 180;

// The drawing surface of the charts: a persistent picture addressed in twips, origin at the
// top-left corner, y downwards. Box outlines are always black; lines and texts are black unless
// given a colour.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Erases the drawing to the background colour; a background picture stays. The text
    // position goes back to (0, 0).
    virtual void cls() = 0;
    // Sets the background colour and erases the drawing in it, as cls() does.
    virtual void setBackColor(QRgb colour) = 0;
    // Width in pixels of lines and box outlines.
    virtual void setDrawWidth(int pixels) = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    // Colour of solid fills and hatch lines.
    virtual void setFillColor(QRgb colour) = 0;
    // Colour of the texts printed from now on; black until set.
    virtual void setForeColor(QRgb colour) = 0;
    // Height of the font of the texts printed from now on, in twips; CanvasFontSize until set.
    virtual void setFontSize(int twips) = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    // Draws the text with its top-left corner at the text position, no background behind it,
    // then moves the position to the start of the next text line.
    virtual void print(const QString& text) = 0;
    // Line: from (x1, y1) to (x2, y2) in `colour`. Box: black outline, interior by the fill style
    // and colour, `colour` unused. FilledBox: solid in `colour`.
    virtual void line(LineForm form, float x1, float y1, float x2, float y2, QRgb colour = 0) = 0;
    // Outer height of the canvas.
    virtual void setHeight(float twips) = 0;
};
