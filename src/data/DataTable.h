#pragma once

#include "data/Cell.h"

#include <array>

// The dataset: 12 x 13 cells, (r, c) with r = 0..11 and c = 0..12. Row 0 holds the column labels,
// column 0 the row labels, rows 1..10 x columns 1..12 the numbers, row 11 columns 1..5 the title,
// unit, data source, note and author.
class DataTable {
public:
    static constexpr int Rows = 12;
    static constexpr int Columns = 13;
    static constexpr int DataRows = 10;    // rows 1..10
    static constexpr int DataColumns = 12; // columns 1..12
    static constexpr int DescriptionRow = 11;

    // A row or column outside the table throws std::out_of_range: column 13 is no next row's 0.
    Cell& operator()(int r, int c) { return cells_[index(r, c)]; }
    const Cell& operator()(int r, int c) const { return cells_[index(r, c)]; }

    // The cell as a number for arithmetic: an empty cell reads as 0.
    double number(int r, int c) const;

    bool operator==(const DataTable&) const = default;

private:
    static std::size_t index(int r, int c);

    std::array<Cell, Rows * Columns> cells_{};
};
