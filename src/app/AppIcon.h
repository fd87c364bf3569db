#pragma once

#include <QIcon>

// The icon of both windows: a miniature chart of three full-width bars, 7, 4 and 15 pixels high
// and split by black lines, each cut into a red, a yellow and a green segment, inside a white and
// grey border; 32 x 32 pixels in 16 colours.
QIcon appIcon();
QImage appIconImage();
