#pragma once

#include "data/TextGrid.h"

#include <QString>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// The cells of one sheet as a workbook reader finds them, in the order of the file: their texts as
// the sheet shows them, which are numbers, and which rows and columns are hidden. It keeps no more
// than a table with its titles and notes can hold: once the visible cells that hold something
// spread over more than MaxRows rows or MaxColumns columns, it takes no more and the reader stops.
class SheetCells {
public:
    static constexpr std::int64_t MaxRows = 200;
    static constexpr std::int64_t MaxColumns = 50;

    // Rows and columns count from 0. A later cell at the same place replaces the earlier one; an
    // empty text empties it.
    void add(std::int64_t row, std::int64_t column, const QString& text, bool number);
    void hideRows(std::int64_t first, std::int64_t last);
    void hideColumns(std::int64_t first, std::int64_t last);
    bool rowHidden(std::int64_t row) const;
    // A merged range: its value shows in its first visible cell, the others are empty.
    void merge(std::int64_t top, std::int64_t left, std::int64_t bottom, std::int64_t right);

    // Whether the visible cells have spread beyond the bounds; the reader stops at once.
    bool full() const { return full_; }
    bool holdsNumber() const { return numbers_ > 0; }
    // The extent of the visible cells that hold something, so far.
    std::int64_t rows() const { return used_.bottom - used_.top + 1; }
    std::int64_t columns() const { return used_.right - used_.left + 1; }

    // The visible cells, hidden rows and columns left out: the block from the first to the last
    // row and column that hold something, titles and notes included.
    KeptBlock table() const;

private:
    struct Cell {
        QString text;
        bool number = false;
    };
    using Place = std::pair<std::int64_t, std::int64_t>;
    // The smallest block that holds the places given; nothing before the first.
    struct Extent {
        std::int64_t top = 0;
        std::int64_t bottom = -1;
        std::int64_t left = 0;
        std::int64_t right = -1;

        void extend(std::int64_t row, std::int64_t column);
        bool empty() const { return bottom < top; }
    };

    bool columnHidden(std::int64_t column) const;
    std::map<Place, Cell> visibleCells() const;

    std::map<Place, Cell> cells_;
    std::map<std::int64_t, std::int64_t> hiddenRows_;    // disjoint ranges, first to last
    std::map<std::int64_t, std::int64_t> hiddenColumns_; // disjoint ranges, first to last
    std::vector<std::pair<Place, Place>> merged_;        // top-left and bottom-right
    std::int64_t numbers_ = 0;
    bool full_ = false;
    Extent used_;
};
