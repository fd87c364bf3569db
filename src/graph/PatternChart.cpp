#include "graph/PatternChart.h"

#include "data/DataTable.h"
#include "graph/ChartFrame.h"
#include "graph/PatternBars.h"
#include "graph/PatternScheme.h"

void drawPatternChart(ChartState& state, const DataTable& table, const EntryBoxes& boxes,
                      GraphSurface& surface, GraphSize selected) {
    fillColorTable(state);
    Canvas& pic = surface.canvas();
    pic.cls();
    pic.setBackColor(state.colorTable[WhiteSlot]);
    applyChartSize(state, surface, selected);

    drawChartFrame(state.plot, pic, boxes, [&](int column, float x, float y) {
        applyPattern(state, pic, column);
        pic.line(LineForm::Box, x, y, x + 100, y + 150);
    });

    computeTotals(state, table);
    drawGrandTotal(state, pic, boxes);
    for (int n = 1; n <= DataTable::DataRows; ++n)
        drawPatternRow(state, table, boxes, pic, n);
}
