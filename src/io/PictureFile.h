#pragma once

#include "data/Result.h"
#include "io/SaveFile.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The chart as a picture file: saved as a Windows bitmap under exactly the name given, loaded
// from any format Qt reads.

// The picture as the bytes of a Windows bitmap file; empty if it cannot be encoded.
QByteArray bitmapBytes(const QImage& picture);

// Writes the picture through a temporary file that replaces `path` only when complete, or in
// place where the folder takes no new file (a new file unsynced with NewFile::Direct).
Result<void> savePicture(const QImage& picture, const QString& path,
                         NewFile newFile = NewFile::Synced);

// The picture the file holds.
Result<QImage> loadPicture(const QString& path);
