#include "io/SaveFile.h"

#include "io/FileError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A pipe or a device: something to write into, which a renamed temporary file would take away.
bool isStream(const QByteArray& path) {
    struct stat status;
    return ::stat(path.constData(), &status) == 0 &&
           (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode));
}

QString writeInto(const QByteArray& path, const QByteArray& bytes) {
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return fileErrorReason(errno);
    const QString error = writeBytes(descriptor, bytes);
    if (::close(descriptor) != 0 && error.isEmpty() && errno != EINTR)
        return fileErrorReason(errno);
    return error;
}

} // namespace

QString saveBytes(const QString& path, const QByteArray& bytes, NewFile newFile) {
    if (const QByteArray native = QFile::encodeName(path); isStream(native))
        return writeInto(native, bytes);
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

QString writeBytes(int descriptor, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return fileErrorReason(errno);
        if (written > 0)
            done += written;
    }
    return {};
}
