#include "data/BoxesSnapshot.h"

#include "data/EntryGrid.h"

BoxesSnapshot BoxesSnapshot::take(const EntryBoxes& boxes) {
    BoxesSnapshot snapshot{readGrid(boxes), {}};
    for (std::size_t i = 0; i < snapshot.descriptions.size(); ++i)
        snapshot.descriptions[i] = boxes.description(AllDescriptions[i]);
    return snapshot;
}

void BoxesSnapshot::restoreChanged(EntryBoxes& boxes, const BoxesSnapshot& other) const {
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c)
            if (grid[r][c] != other.grid[r][c])
                setGridText(boxes, r, c, grid[r][c]);
    for (std::size_t i = 0; i < descriptions.size(); ++i)
        if (descriptions[i] != other.descriptions[i])
            boxes.setDescription(AllDescriptions[i], descriptions[i]);
}
