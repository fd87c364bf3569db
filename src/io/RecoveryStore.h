#pragma once

#include "io/RecoveryFile.h"

#include <QLockFile>
#include <QString>
#include <QThread>

#include <memory>
#include <optional>

// The recovery files of the running instances, in the user's state folder: each instance owns
// one and holds a lock beside it while it runs, so a file whose lock nobody holds was left by an
// instance that ended without saving. Writing happens on a thread of its own, so the typing never
// waits for the disk; each file is replaced whole, so a crash mid-write leaves the one before.
class RecoveryStore {
public:
    // `folder`: where the files live, created when the first is written.
    explicit RecoveryStore(QString folder);
    // Waits for what is being written; the file stays, for the next start, unless removed.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // $XDG_STATE_HOME/tallyfold, else ~/.local/state/tallyfold.
    static QString defaultFolder();

    // A file left by an instance no longer running, locked for this one until it is dropped.
    struct Leftover {
        QString path;
        std::unique_ptr<QLockFile> lock;
        int others = 0; // the leftovers older than this one, each offered at a later start
    };
    // The newest leftover, if any.
    std::optional<Leftover> takeLeftover() const;
    // Renames a leftover that cannot be read so that it is offered no more; the new name.
    static QString setAside(const Leftover& leftover);

    // Queues the state to be written; a later state overwrites an earlier one.
    void write(const TableContents& contents);
    // Returns once every state queued so far is on disk.
    void flush();
    // Removes this instance's file; nothing is written after.
    void remove();

    QString path() const { return path_; }

private:
    void lockOwnFile();

    QString folder_;
    QString path_;
    QLockFile lock_;
    QThread writer_;
    std::unique_ptr<QObject> writerContext_ = std::make_unique<QObject>();
    bool removed_ = false;
};
