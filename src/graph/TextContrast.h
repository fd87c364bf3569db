#pragma once

#include <QRgb>

// Black or white, whichever contrasts more with the fill by the relative luminance of the Web
// Content Accessibility Guidelines, for a text written on it.
QRgb textColourOn(QRgb fill);
