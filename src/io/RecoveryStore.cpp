#include "io/RecoveryStore.h"

#include "io/SaveFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

const QString Suffix = QStringLiteral(".recovery");

QString lockPath(const QString& recoveryPath) {
    return recoveryPath.chopped(Suffix.size()) + QStringLiteral(".lock");
}

// A lock stays valid as long as its owner runs, however long that is; only an owner that is
// gone makes it stale.
std::unique_ptr<QLockFile> makeLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

// This instance's name: the process and the moment it started, unique even where a process
// number is used again after a restart.
QString instanceName() {
    return QStringLiteral("%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch());
}

} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : folder_(std::move(folder))
    , path_(QDir(folder_).filePath(instanceName() + Suffix))
    , lock_(lockPath(path_)) {
    lock_.setStaleLockTime(0);
    writerContext_->moveToThread(&writer_);
}

RecoveryStore::~RecoveryStore() {
    flush();
    writer_.quit();
    writer_.wait();
}

QString RecoveryStore::defaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("tallyfold"));
}

std::optional<RecoveryStore::Leftover> RecoveryStore::takeLeftover() const {
    const QFileInfoList files =
        QDir(folder_).entryInfoList({QLatin1Char('*') + Suffix}, QDir::Files, QDir::Time);
    std::optional<Leftover> newest;
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (path == path_)
            continue;
        std::unique_ptr<QLockFile> lock = makeLock(lockPath(path));
        if (!lock->tryLock(0))
            continue; // its instance still runs
        if (newest)
            ++newest->others; // the lock goes with it: that file waits for a later start
        else
            newest = Leftover{path, std::move(lock)};
    }
    return newest;
}

QString RecoveryStore::setAside(const Leftover& leftover) {
    const QString aside = leftover.path.chopped(Suffix.size()) + QStringLiteral(".damaged");
    QFile::remove(aside);
    return QFile::rename(leftover.path, aside) ? aside : leftover.path;
}

void RecoveryStore::lockOwnFile() {
    if (lock_.isLocked())
        return;
    QDir().mkpath(folder_);
    lock_.tryLock(0);
}

void RecoveryStore::write(const TableContents& contents) {
    if (removed_)
        return;
    lockOwnFile();
    // The writer starts with the first change, so that start-up does without a thread until then.
    if (!writer_.isRunning())
        writer_.start();
    QMetaObject::invokeMethod(
        writerContext_.get(),
        // A state that cannot be written is kept by the next one that can.
        [path = path_, state = contents] {
            static_cast<void>(saveBytes(Action::SaveTable, path, encodeRecovery(state)));
        },
        Qt::QueuedConnection);
}

void RecoveryStore::flush() {
    if (!writer_.isRunning())
        return;
    QMetaObject::invokeMethod(
        writerContext_.get(), [] {}, Qt::BlockingQueuedConnection);
}

void RecoveryStore::remove() {
    flush();
    removed_ = true;
    QFile::remove(path_);
    lock_.unlock();
}
