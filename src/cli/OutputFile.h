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

// Why a picture may not be written under the file name `output`: its extension is not one of a
// picture format (a table's `.csv` would be replaced by a picture, a `.gif` hold a PNG), whatever
// --format says. Nothing for a picture's extension or none.
std::optional<QString> refusedPictureName(const QString& output);

// The data files of a run, so that no picture overwrites one of them. A run into a folder keeps
// only those a picture there could be written over, so that its memory does not grow with the
// number of data files: a file whose name ends in the pictures' extension, a symbolic link, or a
// file of several names. Any other file is reached only by names ending as its own.
class DataFiles {
public:
    // `pictureSuffix`: the extension of pictures named after their data files in a folder; empty
    // for a picture that may have any name.
    explicit DataFiles(QString pictureSuffix = {});

    void add(const QString& input);

    // The data file that `output` (a path, or StandardOutput) would overwrite: a regular file of
    // the same device and inode, or a data file of the same path.
    std::optional<QString> overwrittenBy(const QString& output) const;

private:
    bool mayBeOverwritten(const QString& input, const QString& path) const;

    QString pictureEnding_;                           // ".png"; empty to keep every data file
    QHash<QString, QString> byPath_;                  // absolute path: the name given
    std::map<std::pair<dev_t, ino_t>, QString> byId_; // device and inode: the name given
};
