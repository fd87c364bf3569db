#include "graph/ColourBars.h"

#include "data/DataTable.h"
#include "graph/BarGeometry.h"
#include "graph/Canvas.h"
#include "graph/ChartState.h"

void drawColourRow(ChartState& state, const DataTable& table, const EntryBoxes& boxes, Canvas& pic,
                   int n) {
    const std::optional<BarSpan> bar = layoutBar(state, table, n);
    if (!bar)
        return;
    if (n == 1)
        pic.setDrawWidth(1);

    for (int c = 1; c <= DataTable::DataColumns; ++c)
        pic.line(LineForm::FilledBox, segmentX(state, n, c - 1), bar->top, segmentX(state, n, c),
                 bar->bottom, state.colorTable[c]);
    for (int c = 1; c <= DataTable::DataColumns; ++c)
        pic.line(LineForm::Box, segmentX(state, n, c - 1), bar->top, segmentX(state, n, c),
                 bar->bottom);

    writeRowLabel(state, boxes, pic, n, *bar);
}
