#pragma once

#include "data/EntryGrid.h"

// An 11 by 13 grid, empty but for the given cells.
inline TextGrid gridWith(const std::vector<GridCell>& cells) {
    TextGrid grid(GridRows, std::vector<QString>(GridColumns));
    for (const GridCell& cell : cells)
        grid[cell.row][cell.column] = cell.text;
    return grid;
}
