#include "io/SaveFile.h"

#include "io/FileError.h"
#include "io/PartFile.h"

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
    const QByteArray name = QFile::encodeName(path);
    if (isStream(name))
        return writeInto(action, path, bytes);
    struct stat status;
    if (newFile == NewFile::Direct && ::lstat(name.constData(), &status) != 0 && errno == ENOENT) {
        PartFile part(path);
        if (part.write(bytes) && part.moveIntoPlace())
            return {};
        if (part.error() != EEXIST)
            return Failure{action, path, fileErrorReason(path, part.error())};
    }
    // Qt's calls end in the system's, so errno is taken right after the one that failed.
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a writable file in a folder closed to new files
    int error = 0;
    if (!file.open(QIODevice::WriteOnly))
        error = errno;
    else if (file.write(bytes) != bytes.size())
        error = errno;
    else if (!file.commit())
        error = errno;
    if (error != 0)
        return Failure{action, path, fileErrorReason(path, error)};
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
