#pragma once

#include "data/TableContents.h"

#include <QByteArray>

#include <optional>

// The recovery file: UTF-8 JSON, {"format": 1, "grid": 11 rows of 13 texts (row 0 the column
// labels, column 0 the row labels), "descriptions": 5 texts, "size": "standard"|"tall"|"wide",
// "unshown": the 9 cells no box shows (null, a text or a number), "file": the table's file}.
// The last two are left out where they hold nothing, and read as nothing where they are missing.
QByteArray encodeRecovery(const TableContents& contents);
// What encodeRecovery wrote; nothing when the bytes are damaged, of another shape or of a later
// format, so that a state is never taken in part.
std::optional<TableContents> decodeRecovery(const QByteArray& bytes);
