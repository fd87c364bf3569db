#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <sys/types.h>
#include <utility>

// Where a picture of --render goes: standard output, or a file that must not be one of the data
// files being read.

// `-o -`: the picture goes to standard output.
inline const QString StandardOutput = QStringLiteral("-");
// Standard output as messages name it.
inline const QString StandardOutputName = QStringLiteral("標準出力");

// Whether `output` is the program's standard output: `-`, or a name of the file it goes to
// (/dev/stdout, /dev/fd/1), which is written into rather than replaced.
bool isStandardOutput(const QString& output);

// The data files of a run, so that no picture overwrites one of them.
class DataFiles {
public:
    explicit DataFiles(const QStringList& inputs);

    // The data file that `output` (a path, or StandardOutput) would overwrite: a regular file of
    // the same device and inode, or a data file of the same path.
    std::optional<QString> overwrittenBy(const QString& output) const;

private:
    QHash<QString, QString> byPath_;                  // absolute path: the name given
    std::map<std::pair<dev_t, ino_t>, QString> byId_; // device and inode: the name given
};
