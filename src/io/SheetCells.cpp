#include "io/SheetCells.h"

#include <algorithm>

namespace {

// Hidden cells are kept too, for a merged range whose first cell is hidden; this many cells in
// all are more than any sheet within the bounds holds.
constexpr std::size_t MaxKeptCells = 4 * SheetCells::MaxRows * SheetCells::MaxColumns;

using Ranges = std::map<std::int64_t, std::int64_t>; // disjoint, first to last

// The range that holds `at`, if any.
Ranges::const_iterator rangeOf(const Ranges& ranges, std::int64_t at) {
    auto after = ranges.upper_bound(at);
    if (after == ranges.begin() || std::prev(after)->second < at)
        return ranges.end();
    return std::prev(after);
}

// Adds a range, joined with those it overlaps or touches so that the ranges stay disjoint.
void addRange(Ranges& ranges, std::int64_t first, std::int64_t last) {
    if (last < first)
        return;
    auto at = ranges.upper_bound(first);
    if (at != ranges.begin() && std::prev(at)->second >= first - 1) {
        at = std::prev(at);
        first = at->first;
    }
    while (at != ranges.end() && at->first <= last + 1) {
        last = std::max(last, at->second);
        at = ranges.erase(at);
    }
    ranges[first] = last;
}

// The first place from `at` on in the direction of `step` (1 or -1) that no range hides.
std::int64_t shownFrom(const Ranges& hidden, std::int64_t at, int step) {
    for (auto range = rangeOf(hidden, at); range != hidden.end(); range = rangeOf(hidden, at))
        at = step > 0 ? range->second + 1 : range->first - 1;
    return at;
}

// The places from `first` to `last` that no range hides, in order.
std::vector<std::int64_t> shownBetween(const Ranges& hidden, std::int64_t first,
                                       std::int64_t last) {
    std::vector<std::int64_t> shown;
    for (std::int64_t at = shownFrom(hidden, first, 1); at <= last;
         at = shownFrom(hidden, at + 1, 1))
        shown.push_back(at);
    return shown;
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
    return rangeOf(hiddenRows_, row) != hiddenRows_.end();
}

bool SheetCells::columnHidden(std::int64_t column) const {
    return rangeOf(hiddenColumns_, column) != hiddenColumns_.end();
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
    // A merged range shows its first cell's value where the range is first visible, when that
    // is among the visible cells used.
    for (const auto& [from, to] : merged_) {
        const auto first = cells_.find(from);
        if (first == cells_.end() || visible.contains(from))
            continue;
        const Place shown{shownFrom(hiddenRows_, from.first, 1),
                          shownFrom(hiddenColumns_, from.second, 1)};
        if (shown.first <= to.first && shown.second <= to.second && shown.first >= used_.top &&
            shown.first <= used_.bottom && shown.second >= used_.left &&
            shown.second <= used_.right)
            visible.emplace(shown, first->second);
    }
    return visible;
}

KeptBlock SheetCells::table() const {
    const std::map<Place, Cell> visible = visibleCells();
    Extent block;
    for (const auto& [place, cell] : visible)
        block.extend(place.first, place.second);
    // The visible rows and columns of the block, in order.
    const std::vector<std::int64_t> rows = block.empty()
                                               ? std::vector<std::int64_t>()
                                               : shownBetween(hiddenRows_, block.top, block.bottom);
    const std::vector<std::int64_t> columns =
        block.empty() ? std::vector<std::int64_t>()
                      : shownBetween(hiddenColumns_, block.left, block.right);
    KeptBlock kept{TextGrid(rows.size(), std::vector<QString>(columns.size())),
                   static_cast<int>(rows.size()), static_cast<int>(columns.size())};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (const auto found = visible.find({rows[r], columns[c]}); found != visible.end())
                kept.grid[r][c] = found->second.text;
    return kept;
}
