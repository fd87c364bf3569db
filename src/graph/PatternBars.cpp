#include "graph/PatternBars.h"

#include "data/DataTable.h"
#include "graph/BarGeometry.h"
#include "graph/PatternScheme.h"

void drawPatternRow(ChartState& state, const DataTable& table, const EntryBoxes& boxes, Canvas& pic,
                    int n) {
    if (n == 1)
        pic.setDrawWidth(2);
    const std::optional<BarSpan> bar = layoutBar(state, table, n);
    if (!bar)
        return;

    for (int c = 1; c <= DataTable::DataColumns; ++c) {
        applyPattern(state, pic, c);
        pic.line(LineForm::Box, segmentX(state, n, c - 1), bar->top, segmentX(state, n, c),
                 bar->bottom);
    }
    writeRowLabel(state, boxes, pic, n, *bar);
}
