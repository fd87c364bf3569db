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

Result<void> writeInto(Action action, const QString& path, const QByteArray& bytes) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return Failure{action, path, fileErrorReason(errno)};
    Result<void> written = writeBytes(action, path, descriptor, bytes);
    if (::close(descriptor) != 0 && written && errno != EINTR)
        return Failure{action, path, fileErrorReason(errno)};
    return written;
}

} // namespace

Result<void> saveBytes(Action action, const QString& path, const QByteArray& bytes,
                       NewFile newFile) {
    if (isStream(QFile::encodeName(path)))
        return writeInto(action, path, bytes);
    if (newFile == NewFile::Direct) {
        QFile fresh(path);
        if (fresh.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (fresh.write(bytes) == bytes.size() && fresh.flush())
                return {};
            Failure failure{action, path, fileErrorReason(path, errno)};
            fresh.remove();
            return failure;
        }
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a writable file in a folder closed to new files
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Failure{action, path, fileErrorReason(path, errno)};
    return {};
}

Result<void> writeBytes(Action action, const QString& name, int descriptor,
                        const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return Failure{action, name, fileErrorReason(errno)};
        if (written > 0)
            done += written;
    }
    return {};
}
