#include "io/PartFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QRegularExpression PartName(QStringLiteral("^\\.tallyfold-[0-9a-z]{12}\\.part$"));

QString randomPartName() {
    static constexpr char Digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    QString name = QStringLiteral(".tallyfold-");
    for (int i = 0; i < 12; ++i)
        name += QLatin1Char(Digits[QRandomGenerator::global()->bounded(36)]);
    return name + QStringLiteral(".part");
}

// A rename that keeps a file of the new name; a file system that cannot promise it (some network
// file systems) gets a plain rename, as the caller found no file of that name just before.
int renameKeeping(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    return ::rename(from, to);
}

} // namespace

PartFile::PartFile(const QString& path)
    : target_(QFile::encodeName(path)) {
    const QString folder = QFileInfo(path).path();
    for (;;) {
        part_ = QFile::encodeName(QDir(folder).filePath(randomPartName()));
        descriptor_ =
            ::open(part_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (descriptor_ < 0) {
            if (errno == EEXIST)
                continue;
            error_ = errno;
            part_.clear();
            return;
        }
        struct stat status;
        if (::flock(descriptor_, LOCK_EX) != 0 || ::fstat(descriptor_, &status) != 0) {
            fail();
            return;
        }
        if (status.st_nlink > 0)
            return;
        // A clean-up took it for abandoned between its making and its locking.
        ::close(descriptor_);
    }
}

PartFile::~PartFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (!moved_ && !part_.isEmpty())
        ::unlink(part_.constData());
}

bool PartFile::fail() {
    if (error_ == 0)
        error_ = errno;
    return false;
}

bool PartFile::write(const QByteArray& bytes) {
    if (descriptor_ < 0)
        return false;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(descriptor_, bytes.constData() + done,
                                        static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return fail();
        if (written > 0)
            done += written;
    }
    return true;
}

bool PartFile::moveIntoPlace() {
    if (descriptor_ < 0)
        return false;
    // Renamed while still locked, so that no clean-up removes it in between.
    if (renameKeeping(part_.constData(), target_.constData()) != 0)
        return fail();
    moved_ = true;
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0 && errno != EINTR) {
        fail();
        ::unlink(target_.constData()); // not whole: no picture rather than a broken one
        return false;
    }
    return true;
}

void removeAbandonedPartFiles(const QString& folder) {
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral(".tallyfold-*.part")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (!PartName.match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (descriptor < 0)
            continue;
        struct stat held, named;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::fstat(descriptor, &held) == 0 &&
            ::lstat(path.constData(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev)
            ::unlink(path.constData());
        ::close(descriptor);
    }
}
