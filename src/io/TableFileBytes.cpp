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
    // Read a piece at a time: asking for the whole limit at once would allocate it, for every file.
    QByteArray bytes;
    for (qint64 read = -1; read != 0;) {
        if (bytes.size() > MaxTableFileBytes)
            return refused(tooLargeReason());
        const qsizetype before = bytes.size();
        bytes.resize(before + (64 << 10));
        read = file.read(bytes.data() + before, bytes.size() - before);
        if (read < 0)
            return refused(fileErrorReason(path, errno));
        bytes.resize(before + read);
    }
    return bytes;
}
