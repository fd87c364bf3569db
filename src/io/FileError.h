#pragma once

#include <QString>

// Why a file action failed, in the user's words: Qt's own texts (errorString) are English and
// coarser than the C library's error numbers, so the reason is told from errno.

// The reason for an error number, e.g. ENOSPC 「ディスクに空きがありません。」; a number
// without a text of its own is named as a number.
QString fileErrorReason(int errorNumber);

// The reason an action on `path` failed, given the errno taken right after the failing call.
// Qt refuses a folder as a file without an error number of its own, so a folder is told by
// looking at `path`.
QString fileErrorReason(const QString& path, int errorNumber);
