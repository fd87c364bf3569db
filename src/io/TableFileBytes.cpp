#include "io/TableFileBytes.h"

#include "io/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

QString tooLargeReason() {
    return QStringLiteral("ファイルが大きすぎます。表のファイルは %1 MB までです。")
        .arg(MaxTableFileBytes >> 20);
}

Result<void> openTableFile(QFile& file) {
    const QString path = file.fileName();
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Failure{Action::LoadTable, path, fileErrorReason(path, errno)};
    if (QFileInfo(path).isFile() && file.size() > MaxTableFileBytes)
        return Failure{Action::LoadTable, path, tooLargeReason()};
    return {};
}

Result<QByteArray> readTableFileBytes(QFile& file) {
    const auto refused = [&](const QString& reason) {
        return Failure{Action::LoadTable, file.fileName(), reason};
    };
    // Read a piece at a time: asking for the whole limit at once would allocate it, for every file.
    QByteArray bytes;
    for (qint64 read = -1; read != 0;) {
        if (bytes.size() > MaxTableFileBytes)
            return refused(tooLargeReason());
        const qsizetype before = bytes.size();
        bytes.resize(before + (64 << 10));
        read = file.read(bytes.data() + before, bytes.size() - before);
        if (read < 0)
            return refused(fileErrorReason(file.fileName(), errno));
        bytes.resize(before + read);
    }
    return bytes;
}

Result<QByteArray> readTableFileBytes(const QString& path) {
    QFile file(path);
    if (const Result<void> opened = openTableFile(file); !opened)
        return opened.failure();
    return readTableFileBytes(file);
}
