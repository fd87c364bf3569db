#include "io/FileWatch.h"

#include <QFileInfo>

namespace {
// A save writes in bursts; a read waits until none came for this long.
constexpr int QuietMilliseconds = 150;
} // namespace

FileWatch::FileWatch(QObject* parent)
    : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(QuietMilliseconds);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileWatch::noticed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileWatch::noticed);
    connect(&quiet_, &QTimer::timeout, this, &FileWatch::settled);
}

void FileWatch::watch(const QString& path) {
    stop();
    path_ = QFileInfo(path).absoluteFilePath();
    seen_ = stampOf(path_);
    watcher_.addPath(path_);
    watcher_.addPath(QFileInfo(path_).absolutePath());
}

void FileWatch::stop() {
    quiet_.stop();
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    path_.clear();
}

void FileWatch::noticed() {
    // A file replaced by a rename is a new file, which the watcher does not follow by itself.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_))
        watcher_.addPath(path_);
    quiet_.start();
}

FileWatch::Stamp FileWatch::stampOf(const QString& path) {
    const QFileInfo file(path);
    return {file.lastModified(), file.metadataChangeTime(), file.exists() ? file.size() : -1};
}

void FileWatch::settled() {
    const Stamp now = stampOf(path_);
    if (path_.isEmpty() || now.size < 0 || now == seen_)
        return;
    seen_ = now;
    emit changed(path_);
}
