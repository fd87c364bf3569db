#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QString>

// Writes the bytes through a temporary file that replaces `path` only once it is complete, so a
// failed save leaves the old file as it was; where the folder takes no new file, an existing
// writable file is written in place. A pipe or a character device (/dev/full, a terminal) is
// written into as it is, never replaced. A failure is of `action` on `path`, its reason told
// by fileErrorReason.
//
// A batch of new files need not pay for the sync: with NewFile::Direct a file of a name not taken
// yet is written through a part file (see PartFile) renamed into place unsynced, so that a run
// killed midway leaves no half-written file under the name; an existing file is still replaced
// safely.
enum class NewFile { Synced, Direct };
Result<void> saveBytes(Action action, const QString& path, const QByteArray& bytes,
                       NewFile newFile = NewFile::Synced);

// Writes all the bytes into an open file descriptor, such as standard output, which the failure
// names `name`.
Result<void> writeBytes(Action action, const QString& name, int descriptor,
                        const QByteArray& bytes);
