#include "io/PictureFile.h"

#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

std::optional<QString> savePicture(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a writable file in a folder closed to new files
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture))
        return writer.errorString();
    if (!file.commit())
        return file.errorString();
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
