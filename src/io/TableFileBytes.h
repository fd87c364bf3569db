#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// No file that holds a table is larger than a few kilobytes; this much is refused unread, so that
// a huge file or a device that never ends costs neither minutes nor gigabytes.
inline constexpr qint64 MaxTableFileBytes = qint64(64) << 20;

// Opens a table file to read; a regular file larger than the limit is refused at once.
Result<void> openTableFile(QFile& file);
// Reads an open table file whole; a pipe or device is refused as soon as it has given more than
// the limit.
Result<QByteArray> readTableFileBytes(QFile& file);
// Opens and reads a table file whole.
Result<QByteArray> readTableFileBytes(const QString& path);
// The reason given for a file over the limit.
QString tooLargeReason();
