#include "io/TableFileBytes.h"

#include "io/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

QString tooLargeReason() {
    return QStringLiteral("ファイルが大きすぎます。表のファイルは %1 MB までです。")
        .arg(MaxTableFileBytes >> 20);
}

Result<QByteArray> readTableFileBytes(const QString& path) {
    const auto refused = [&](const QString& reason) {
        return Failure{Action::LoadTable, path, reason};
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return refused(fileErrorReason(path, errno));
    if (QFileInfo(path).isFile() && file.size() > MaxTableFileBytes)
        return refused(tooLargeReason());
    QByteArray bytes = file.read(MaxTableFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(fileErrorReason(path, errno));
    if (bytes.size() > MaxTableFileBytes)
        return refused(tooLargeReason());
    return bytes;
}
