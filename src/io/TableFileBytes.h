#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QString>

// No file that holds a table is larger than a few kilobytes; this much is refused unread, so that
// a huge file or a device that never ends costs neither minutes nor gigabytes.
inline constexpr qint64 MaxTableFileBytes = qint64(64) << 20;

// Reads a table file whole. A regular file larger than the limit is refused before it is read, a
// pipe or device as soon as it has given more.
Result<QByteArray> readTableFileBytes(const QString& path);
// The reason given for a file over the limit.
QString tooLargeReason();
