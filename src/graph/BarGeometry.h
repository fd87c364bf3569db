#pragma once

#include <optional>

struct ChartState;
class Canvas;
class DataTable;
class EntryBoxes;

// Vertical extent of a bar in twips.
struct BarSpan {
    float top;
    float bottom;
};

// The bar geometry that colour and pattern bars share. For an empty row (total exactly 0) sets
// its height to 0 and returns nothing; otherwise stores the segment widths, the segment ends and
// the bar height of row n, and returns where the bar lies below the bars of the rows above.
// Throws a RuntimeError for a zero grand total under a non-zero row total (division by zero) and
// for a width or height beyond the 32-bit range (overflow).
std::optional<BarSpan> layoutBar(ChartState& state, const DataTable& table, int n);

// x of the right end of segment c of bar n (c = 0 gives the left edge of the plot area).
float segmentX(const ChartState& state, int n, int c);

// Writes the current text of row n's label box left of the plot area, level with the bar's top.
void writeRowLabel(const ChartState& state, const EntryBoxes& boxes, Canvas& pic, int n,
                   const BarSpan& bar);
