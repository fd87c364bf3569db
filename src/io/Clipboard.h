#pragma once

class QImage;

// Empties the clipboard and puts the picture on it as a bitmap that other programs can paste.
// Throws a RuntimeError when the clipboard cannot be written.
void copyPicture(const QImage& picture);
