#pragma once

#include "data/BoxesSnapshot.h"
#include "graph/GraphSize.h"

#include <QByteArray>

#include <optional>

// What the entry window holds at one moment: every box and the size chosen. Kept in a recovery
// file while the program runs, so that a crash, a kill or a logout loses none of it.
struct EntryState {
    BoxesSnapshot boxes;
    GraphSize size = GraphSize::Standard;
    bool operator==(const EntryState&) const = default;
};

// The recovery file: UTF-8 JSON, {"format": 1, "grid": 11 rows of 13 texts (row 0 the column
// labels, column 0 the row labels), "descriptions": 5 texts, "size": "standard"|"tall"|"wide"}.
QByteArray encodeRecovery(const EntryState& state);
// What encodeRecovery wrote; nothing when the bytes are damaged, of another shape or of a later
// format, so that a state is never taken in part.
std::optional<EntryState> decodeRecovery(const QByteArray& bytes);
