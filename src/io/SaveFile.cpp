#include "io/SaveFile.h"

#include "io/FileError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

QString saveBytes(const QString& path, const QByteArray& bytes, NewFile newFile) {
    if (newFile == NewFile::Direct) {
        QFile fresh(path);
        if (fresh.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (fresh.write(bytes) == bytes.size() && fresh.flush())
                return {};
            const QString error = fileErrorReason(path, errno);
            fresh.remove();
            return error;
        }
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a writable file in a folder closed to new files
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fileErrorReason(path, errno);
    return {};
}
