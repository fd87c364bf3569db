#include "io/PictureFile.h"

#include "io/FileError.h"
#include "io/SaveFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <cerrno>

namespace {

// Why the reader made no picture of a file it could open.
QString readerErrorReason(const QImageReader& reader, const QString& path) {
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("画像として読める形式ではありません。");
    case QImageReader::DeviceError:
        return fileErrorReason(path, errno);
    default:
        return QStringLiteral("画像のデータが壊れています。");
    }
}

} // namespace

QByteArray bitmapBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    return writer.write(picture) ? bytes : QByteArray();
}

Result<void> savePicture(const QImage& picture, const QString& path, NewFile newFile) {
    const QByteArray bytes = bitmapBytes(picture);
    if (bytes.isEmpty())
        return Failure{Action::SavePicture, path,
                       QStringLiteral("グラフを BMP 形式にできませんでした。")};
    return saveBytes(Action::SavePicture, path, bytes, newFile);
}

Result<QImage> loadPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{Action::LoadPicture, path, fileErrorReason(path, errno)};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return Failure{Action::LoadPicture, path, readerErrorReason(reader, path)};
    return image;
}
