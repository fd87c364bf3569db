#include "io/SheetCells.h"

#include <algorithm>

namespace {

// Hidden cells are kept too, for a merged range whose first cell is hidden; this many cells in
// all are more than any sheet within the bounds holds.
constexpr std::size_t MaxKeptCells = 4 * SheetCells::MaxRows * SheetCells::MaxColumns;

bool inRanges(const std::map<std::int64_t, std::int64_t>& ranges, std::int64_t at) {
    auto after = ranges.upper_bound(at);
    if (after == ranges.begin())
        return false;
    return std::prev(after)->second >= at;
}

void addRange(std::map<std::int64_t, std::int64_t>& ranges, std::int64_t first, std::int64_t last) {
    std::int64_t& end = ranges[first];
    end = std::max(end, last);
}

} // namespace

void SheetCells::Extent::extend(std::int64_t row, std::int64_t column) {
    if (empty()) {
        top = bottom = row;
        left = right = column;
        return;
    }
    top = std::min(top, row);
    bottom = std::max(bottom, row);
    left = std::min(left, column);
    right = std::max(right, column);
}

void SheetCells::add(std::int64_t row, std::int64_t column, const QString& text, bool number) {
    if (full_)
        return;
    if (text.isEmpty()) {
        cells_.erase({row, column});
        return;
    }
    if (!rowHidden(row) && !columnHidden(column)) {
        used_.extend(row, column);
        numbers_ += number ? 1 : 0;
    }
    cells_[{row, column}] = {text, number};
    full_ = rows() > MaxRows || columns() > MaxColumns || cells_.size() > MaxKeptCells;
}

void SheetCells::hideRows(std::int64_t first, std::int64_t last) {
    addRange(hiddenRows_, first, last);
}

void SheetCells::hideColumns(std::int64_t first, std::int64_t last) {
    addRange(hiddenColumns_, first, last);
}

bool SheetCells::rowHidden(std::int64_t row) const {
    return inRanges(hiddenRows_, row);
}

bool SheetCells::columnHidden(std::int64_t column) const {
    return inRanges(hiddenColumns_, column);
}

void SheetCells::merge(std::int64_t top, std::int64_t left, std::int64_t bottom,
                       std::int64_t right) {
    if (top <= bottom && left <= right && merged_.size() < MaxKeptCells)
        merged_.push_back({{top, left}, {bottom, right}});
}

std::map<SheetCells::Place, SheetCells::Cell> SheetCells::visibleCells() const {
    std::map<Place, Cell> visible;
    for (const auto& [place, cell] : cells_)
        if (!rowHidden(place.first) && !columnHidden(place.second))
            visible.emplace(place, cell);
    // A merged range shows its first cell's value where the range is first visible.
    for (const auto& [from, to] : merged_) {
        const auto first = cells_.find(from);
        if (first == cells_.end() || visible.contains(from))
            continue;
        for (std::int64_t r = from.first; r <= std::min(to.first, from.first + MaxRows); ++r) {
            if (rowHidden(r))
                continue;
            for (std::int64_t c = from.second; c <= std::min(to.second, from.second + MaxColumns);
                 ++c)
                if (!columnHidden(c)) {
                    visible.emplace(Place{r, c}, first->second);
                    r = to.first;
                    break;
                }
        }
    }
    return visible;
}

KeptBlock SheetCells::table() const {
    const std::map<Place, Cell> visible = visibleCells();
    Extent numbers;
    Extent all;
    for (const auto& [place, cell] : visible) {
        all.extend(place.first, place.second);
        if (cell.number)
            numbers.extend(place.first, place.second);
    }
    Extent block = numbers.empty() ? all : numbers;
    if (!numbers.empty()) {
        // The labels: the nearest row above and column to the left that hold something beside
        // the numbers, across hidden ones.
        const auto holds = [&](std::int64_t row, std::int64_t column) {
            return visible.contains({row, column});
        };
        std::int64_t above = block.top - 1;
        while (above >= 0 && rowHidden(above))
            --above;
        std::int64_t left = block.left - 1;
        while (left >= 0 && columnHidden(left))
            --left;
        bool labelRow = false;
        for (std::int64_t c = std::max<std::int64_t>(left, 0); c <= block.right && above >= 0; ++c)
            labelRow = labelRow || holds(above, c);
        bool labelColumn = false;
        for (std::int64_t r = block.top; r <= block.bottom && left >= 0; ++r)
            labelColumn = labelColumn || holds(r, left);
        block.top = labelRow ? above : block.top;
        block.left = labelColumn ? left : block.left;
    }
    // The visible rows and columns of the block, in order.
    std::vector<std::int64_t> rows;
    std::vector<std::int64_t> columns;
    for (std::int64_t r = block.top; r <= block.bottom && !block.empty(); ++r)
        if (!rowHidden(r))
            rows.push_back(r);
    for (std::int64_t c = block.left; c <= block.right && !block.empty(); ++c)
        if (!columnHidden(c))
            columns.push_back(c);
    KeptBlock kept{TextGrid(rows.size(), std::vector<QString>(columns.size())),
                   static_cast<int>(rows.size()), static_cast<int>(columns.size())};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (const auto found = visible.find({rows[r], columns[c]}); found != visible.end())
                kept.grid[r][c] = found->second.text;
    return kept;
}
