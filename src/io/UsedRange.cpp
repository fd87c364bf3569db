#include "io/UsedRange.h"

#include "data/EntryGrid.h"

#include <algorithm>

void UsedRange::extend(std::int64_t row, std::int64_t column) {
    if (!used_) {
        used_ = true;
        firstRow_ = lastRow_ = row;
        firstColumn_ = lastColumn_ = column;
    } else {
        firstRow_ = std::min(firstRow_, row);
        lastRow_ = std::max(lastRow_, row);
        firstColumn_ = std::min(firstColumn_, column);
        lastColumn_ = std::max(lastColumn_, column);
    }
    if (!fits())
        texts_.clear(); // the range only grows: these texts will never be read
}

bool UsedRange::fits() const {
    return rows() <= GridRows && columns() <= GridColumns;
}

void UsedRange::fillDown(std::int64_t row, std::int64_t column, std::int64_t count) {
    if (count < 1)
        return;
    extend(row + count, column);
    const auto source = texts_.find({row, column});
    if (!fits() || source == texts_.end())
        return;
    const QString text = source->second;
    for (std::int64_t r = row + 1; r <= row + count; ++r)
        texts_[{r, column}] = text;
}

TextGrid UsedRange::grid() const {
    if (!used_ || !fits())
        return {};
    TextGrid grid(static_cast<std::size_t>(rows()),
                  std::vector<QString>(static_cast<std::size_t>(columns())));
    for (const auto& [position, text] : texts_)
        grid[static_cast<std::size_t>(position.first - firstRow_)]
            [static_cast<std::size_t>(position.second - firstColumn_)] = text;
    return grid;
}
