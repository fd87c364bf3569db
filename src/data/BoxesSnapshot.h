#pragma once

#include "data/EntryBoxes.h"
#include "data/TextGrid.h"

// Every box of the entry window at one moment, the grid and the five descriptions, so that an
// action on many boxes at once can be taken back.
struct BoxesSnapshot {
    TextGrid grid;
    Descriptions descriptions;

    static BoxesSnapshot take(const EntryBoxes& boxes);
    // Sets the boxes in which this snapshot differs from `other` to what this one holds.
    void restoreChanged(EntryBoxes& boxes, const BoxesSnapshot& other) const;
    bool operator==(const BoxesSnapshot&) const = default;
};
