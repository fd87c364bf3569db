#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The chart as a picture file: saved as a Windows bitmap under exactly the name given, loaded
// from any format Qt reads.

// The picture as the bytes of a Windows bitmap file; empty if it cannot be encoded.
QByteArray bitmapBytes(const QImage& picture);

// Writes the picture through a temporary file that replaces `path` only when complete, or in
// place where the folder takes no new file. Returns why it could not be written, or nothing.
std::optional<QString> savePicture(const QImage& picture, const QString& path);

struct LoadedPicture {
    QImage image;
    QString error; // why the file could not be read as a picture, in Japanese; empty when it could
};
LoadedPicture loadPicture(const QString& path);

QString savePictureMessage(const QString& path, const QString& error);
QString loadPictureMessage(const QString& path, const QString& error);
