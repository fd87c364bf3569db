#include "io/SaveFile.h"

#include <QFile>
#include <QSaveFile>

QString saveBytes(const QString& path, const QByteArray& bytes, NewFile newFile) {
    if (newFile == NewFile::Direct) {
        QFile fresh(path);
        if (fresh.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (fresh.write(bytes) == bytes.size() && fresh.flush())
                return {};
            const QString error = fresh.errorString();
            fresh.remove();
            return error;
        }
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a writable file in a folder closed to new files
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}
