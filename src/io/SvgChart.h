#pragma once

#include <QByteArray>
#include <QString>

class ImageCanvas;

// The canvas's picture as an SVG 1.1 document, written from its operations at its physical size,
// one user unit a twip: each text one <text> element in the font it was laid out in, each hatched
// box its lines cut to the box by a clip path, so that every SVG renderer draws what the canvas
// shows. `title` names the document.
QByteArray svgChart(const ImageCanvas& canvas, const QString& title);
