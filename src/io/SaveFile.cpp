#include "io/SaveFile.h"

#include <QSaveFile>

QString saveBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a writable file in a folder closed to new files
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}
