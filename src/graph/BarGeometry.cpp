#include "graph/BarGeometry.h"

#include "data/DataTable.h"
#include "data/EntryBoxes.h"
#include "data/RuntimeError.h"
#include "graph/ChartFrame.h"
#include "graph/ChartState.h"

std::optional<BarSpan> layoutBar(ChartState& state, const DataTable& table, int n) {
    const double rowTotal = state.rowTotal[n];
    if (rowTotal == 0) {
        state.barHeight[n] = 0;
        return std::nullopt;
    }

    auto& widths = state.segWidth[n];
    auto& ends = state.segEnd[n];
    for (int c = 1; c <= DataTable::DataColumns; ++c)
        widths[c] = toSingle(table.number(n, c) / rowTotal * state.plot.width);
    for (int c = 1; c <= DataTable::DataColumns; ++c) {
        double end = 0;
        for (int k = 1; k <= c; ++k)
            end += widths[k];
        ends[c] = toSingle(end);
    }

    if (state.grandTotal == 0)
        throw RuntimeError::divisionByZero();
    state.barHeight[n] = toSingle(rowTotal / state.grandTotal * state.plot.height);

    double top = state.plot.top;
    for (int r = 1; r < n; ++r)
        top += state.barHeight[r];
    return BarSpan{static_cast<float>(top), static_cast<float>(top + state.barHeight[n])};
}

float segmentX(const ChartState& state, int n, int c) {
    return static_cast<float>(state.plot.left + (c == 0 ? 0.0 : double(state.segEnd[n][c])));
}

void writeRowLabel(const ChartState& state, const EntryBoxes& boxes, Canvas& pic, int n,
                   const BarSpan& bar) {
    writeText(pic, state.plot.left - 1300, bar.top, boxes.rowLabel(n));
}
