#pragma once

#include "data/Result.h"

#include <QStringList>
#include <QTemporaryFile>

#include <functional>
#include <memory>
#include <optional>

// Standard input as messages name it, and as the command line names it.
inline const QString StandardInputName = QStringLiteral("標準入力");
inline const QString StandardInput = QStringLiteral("-");

// The data files of one `--render`: those named on the command line, then those a list file
// names, one a line, or each ended by a NUL as `find -print0` writes them (`-` for standard input).
// It is gone through twice, so that every data file is known before the first picture is written,
// and never held whole in memory: a list that cannot be read twice (standard input, a pipe) is
// first copied into a temporary file.
class InputList {
public:
    // `separator`: what ends each name in the list, a line end or '\0'.
    InputList(QStringList arguments, std::optional<QString> listFile, char separator = '\n');

    // Makes the list ready to be gone through; fails when it cannot be read.
    Result<void> open();
    // Calls `each` with every data file in order. Blank lines name none, and a line's end may be
    // CR LF; names ended by NUL are taken as they are, line ends included.
    Result<void> forEach(const std::function<void(const QString&)>& each) const;

private:
    bool fromStandardInput() const;
    // The failure to read the list, given the errno of reading `path` (the list or its copy).
    Failure unreadable(const QString& path) const;

    QStringList arguments_;
    std::optional<QString> listFile_;
    char separator_ = '\n';
    std::unique_ptr<QTemporaryFile> copy_; // the list from standard input or a pipe
};
