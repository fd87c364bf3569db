#pragma once

#include <QString>

// The one rule for what a text on the chart holds, applied where texts enter the canvas, so that
// the picture, the SVG, the PDF and the printout all show the same characters.

// The text with every control character (tab and line ends included) as a space, and without the
// characters no output can hold: surrogates that are not part of a pair, U+FFFE and U+FFFF. A text
// that holds none of them comes back as it is.
QString canvasText(const QString& text);
