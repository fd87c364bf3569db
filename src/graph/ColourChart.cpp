#include "graph/ColourChart.h"

#include "data/DataTable.h"
#include "graph/Canvas.h"
#include "graph/ChartFrame.h"
#include "graph/ColourBars.h"

void drawColourChart(ChartState& state, const DataTable& table, const EntryBoxes& boxes,
                     GraphSurface& surface, GraphSize selected) {
    fillColorTable(state);
    Canvas& pic = surface.canvas();
    pic.setDrawWidth(1);
    pic.cls();
    pic.setBackColor(state.colorTable[WhiteSlot]);
    pic.setFillStyle(FillStyle::Transparent);
    applyChartSize(state, surface, selected);

    drawChartFrame(state.plot, pic, boxes, [&](int column, float x, float y) {
        pic.line(LineForm::FilledBox, x, y, x + 100, y + 150, state.colorTable[column]);
    });

    computeTotals(state, table);
    drawGrandTotal(state, pic, boxes);
    for (int n = 1; n <= DataTable::DataRows; ++n)
        drawColourRow(state, table, boxes, pic, n);
}
