#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QMimeData;

// The one local file that a drag carries, when its name ends in one of `suffixes` ("csv", any
// case); nothing for several files, a folder, a remote address or another kind of file.
std::optional<QString> droppedFile(const QMimeData* data, const QStringList& suffixes);
