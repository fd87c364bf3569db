#pragma once

#include "io/FileFormats.h"

#include <QString>

// Whether the file at `path` is a whole picture in `format`, told from its size and a few bytes
// at its start and end as a writer that stopped midway could not leave them: a PNG's signature and
// closing IEND chunk, a PDF's `%PDF-` and closing `%%EOF`, an SVG's closing `</svg>`, a bitmap's
// `BM` and the file size its header gives. Pictures are written whole or not at all, so this
// mostly catches what other programs or a failing disk left.
bool isWholePicture(const QString& path, PictureFormat format);
