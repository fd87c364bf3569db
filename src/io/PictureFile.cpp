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

std::optional<QString> savePicture(const QImage& picture, const QString& path) {
    const QByteArray bytes = bitmapBytes(picture);
    if (bytes.isEmpty())
        return QStringLiteral("グラフを BMP 形式にできませんでした。");
    if (const QString error = saveBytes(path, bytes); !error.isEmpty())
        return error;
    return std::nullopt;
}

LoadedPicture loadPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, fileErrorReason(path, errno)};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    LoadedPicture loaded{reader.read(), {}};
    if (loaded.image.isNull())
        loaded.error = readerErrorReason(reader, path);
    return loaded;
}

QString savePictureMessage(const QString& path, const QString& error) {
    return QStringLiteral("グラフを「%1」に保存できませんでした。\n%2").arg(path, error);
}

QString loadPictureMessage(const QString& path, const QString& error) {
    return QStringLiteral("「%1」をグラフとして読み込めませんでした。\n%2").arg(path, error);
}
