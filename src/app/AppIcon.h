#pragma once

#include <QIcon>

// The icon of both windows: a miniature chart of three full-width bars, 7, 4 and 15 pixels high
// and split by black lines, each cut into a red, a yellow and a green segment, inside a white and
// grey border; 32 x 32 pixels in 16 colours.
QIcon appIcon();

// The icon at `size` pixels, a multiple of 32: the 32-pixel design with every pixel enlarged, so
// that larger icons stay as crisp as the small one.
QImage appIconImage(int size = 32);

// The sizes the icon is made in for the desktop's icon theme.
inline constexpr int AppIconSizes[] = {32, 64, 128, 256};

// The sizes of the windows' icon: those a window manager draws it at, in title bars, task bars
// and window switchers. The system sends every size to the window manager as the window is shown,
// and the 256-pixel one alone took 2 ms and 0.35 MB of start-up; larger views take the theme's.
inline constexpr int WindowIconSizes[] = {32, 64, 128};
