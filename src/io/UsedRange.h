#pragma once

#include "data/TextGrid.h"

#include <QString>

#include <cstdint>
#include <map>
#include <utility>

// The cells of one sheet as an import reports them, one at a time and in any order: the extent
// of the cells that hold a value, and their texts for as long as that extent fits the entry
// grid. A larger sheet is refused, so its texts are dropped and only its extent is kept.
class UsedRange {
public:
    // Row and column from 0, as the sheet counts them; a later value replaces an earlier one.
    // `text()` makes the cell's text, only while the range fits: a sheet can report millions.
    template <typename MakeText> void set(std::int64_t row, std::int64_t column, MakeText text) {
        extend(row, column);
        if (fits())
            texts_[{row, column}] = text();
    }
    // The cell's value copied into the `count` cells below it.
    void fillDown(std::int64_t row, std::int64_t column, std::int64_t count);

    bool fits() const;
    std::int64_t rows() const { return used_ ? lastRow_ - firstRow_ + 1 : 0; }
    std::int64_t columns() const { return used_ ? lastColumn_ - firstColumn_ + 1 : 0; }
    // From the top-left used cell to the bottom-right one, cells without a value empty; empty
    // when the range does not fit.
    TextGrid grid() const;

private:
    void extend(std::int64_t row, std::int64_t column);

    bool used_ = false;
    std::int64_t firstRow_ = 0;
    std::int64_t lastRow_ = 0;
    std::int64_t firstColumn_ = 0;
    std::int64_t lastColumn_ = 0;
    std::map<std::pair<std::int64_t, std::int64_t>, QString> texts_;
};
