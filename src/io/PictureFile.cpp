#include "io/PictureFile.h"

#include "io/SaveFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

std::optional<QString> savePicture(const QImage& picture, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture))
        return writer.errorString();
    if (const QString error = saveBytes(path, bytes); !error.isEmpty())
        return error;
    return std::nullopt;
}

LoadedPicture loadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    LoadedPicture loaded{reader.read(), {}};
    if (loaded.image.isNull())
        loaded.error = reader.errorString();
    return loaded;
}

QString savePictureMessage(const QString& path, const QString& error) {
    return QStringLiteral("グラフを「%1」に保存できませんでした。\n%2").arg(path, error);
}

QString loadPictureMessage(const QString& path, const QString& error) {
    return QStringLiteral("「%1」をグラフとして読み込めませんでした。\n%2").arg(path, error);
}
