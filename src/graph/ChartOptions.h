#pragma once

#include <QRgb>

#include <array>
#include <optional>

// The order in which the bars are stacked from the top.
enum class BarOrder {
    Input,       // the rows' order
    Total,       // the largest row total first
    ColumnShare, // the largest share of one column in its row first
};

// The colours of the colour chart's twelve columns: the program's own (the default), the colour
// universal design set that readers with any colour vision tell apart, or the user's.
enum class Palette { Standard, Cud, User };

// The user's colour of each column; a column without one keeps its standard colour.
using UserColours = std::array<std::optional<QRgb>, 12>;

// What a chart shows beyond the quantity-rate chart itself. All are off by default, which is the
// chart as it has always been drawn.
struct ChartOptions {
    bool values = false;  // each segment's value, written in the segment
    bool percent = false; // each segment's share of its row, written in the segment
    bool totals = false;  // each bar's total and share of the grand total, under its label
    BarOrder order = BarOrder::Input;
    int sortColumn = 1; // the column (1 to 12) whose shares order the bars, for ColumnShare
    Palette palette = Palette::Standard;
    UserColours userColours{}; // kept while another palette is in force

    bool operator==(const ChartOptions&) const = default;
};
