#include "io/TableFileBytes.h"

#include "io/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

QString tooLargeReason() {
    return QStringLiteral("ファイルが大きすぎます。表のファイルは %1 MB までです。")
        .arg(MaxTableFileBytes >> 20);
}

QString readTableFileBytes(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fileErrorReason(path, errno);
    if (QFileInfo(path).isFile() && file.size() > MaxTableFileBytes)
        return tooLargeReason();
    bytes = file.read(MaxTableFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fileErrorReason(path, errno);
    if (bytes.size() > MaxTableFileBytes) {
        bytes.clear();
        return tooLargeReason();
    }
    return {};
}
