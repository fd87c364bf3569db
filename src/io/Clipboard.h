#pragma once

#include "data/Result.h"

class ImageCanvas;

// Empties the clipboard and puts the canvas's picture on it as a bitmap that other programs can
// paste, and as SVG (image/svg+xml) for programs that take vector drawings. Fails when the
// clipboard cannot be written.
Result<void> copyPicture(const ImageCanvas& canvas);
