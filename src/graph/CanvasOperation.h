#pragma once

#include "graph/Canvas.h"

#include <QString>

// One drawing operation of the canvas with the state it was drawn in, kept so that the drawing
// can be drawn again on any device. Coordinates are in twips.
struct CanvasOperation {
    enum class Kind : unsigned char { Text, Line, Box, FilledBox };

    Kind kind = Kind::Line;
    FillStyle fillStyle = FillStyle::Transparent; // Box
    int drawWidth = 1;                            // Line, Box, FilledBox
    QRgb colour = 0; // Box: fill colour; FilledBox, Line, Text: their colour
    float x1 = 0;    // Text: the text position in x1, y1
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    int fontSize = CanvasFontSize; // Text, in twips
    QString text;                  // Text: the part of the text that shows on the canvas
};
