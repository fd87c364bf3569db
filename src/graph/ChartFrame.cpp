#include "graph/ChartFrame.h"

#include "data/DataTable.h"
#include "data/EntryBoxes.h"
#include "data/NumberFormat.h"
#include "data/RuntimeError.h"
#include "graph/Canvas.h"

void writeText(Canvas& pic, float x, float y, const QString& text) {
    pic.setCurrentX(x);
    pic.setCurrentY(y);
    pic.print(text);
}

void fillColorTable(ChartState& state) {
    state.colorTable = {
        0,
        qRgb(0xFF, 0x00, 0x00), // light red
        qRgb(0xFF, 0xFF, 0x00), // light yellow
        qRgb(0x00, 0xFF, 0x00), // light green
        qRgb(0x00, 0x00, 0xFF), // light blue
        qRgb(0x00, 0xFF, 0xFF), // light cyan
        qRgb(0xFF, 0x00, 0xFF), // light magenta
        qRgb(0xC0, 0xC0, 0xC0), // white
        qRgb(0x80, 0x80, 0x00), // yellow
        qRgb(0x00, 0x80, 0x00), // green
        qRgb(0x80, 0x00, 0x80), // magenta
        qRgb(0x00, 0x80, 0x80), // cyan
        qRgb(0x80, 0x00, 0x00), // red
        qRgb(0x00, 0x00, 0x00), // black
        qRgb(0xFF, 0xFF, 0xFF), // bright white
        0,                      // not used
        qRgb(0x80, 0x80, 0x80), // grey
    };
}

void applyChartSize(ChartState& state, GraphSurface& surface, GraphSize selected) {
    state.plot.left = 1550;
    state.plot.top = 700;
    state.plot.width = 5000;
    if (selected != GraphSize::Standard)
        return;
    const SizeHeights standard = heightsOf(GraphSize::Standard);
    state.plot.height = standard.plotHeight;
    surface.setWindowHeight(StandardChartWindowHeight);
    surface.canvas().setHeight(static_cast<float>(standard.canvasHeight));
}

namespace {

void drawScale(const PlotGeometry& plot, Canvas& pic) {
    const int b = plot.bottom();
    const auto tickX = [&plot](int i) {
        return static_cast<float>(plot.width / 10.0 * i + plot.left);
    };
    for (int i = 0; i <= 10; ++i)
        pic.line(LineForm::Line, tickX(i), b + 220, tickX(i), b + 300);
    pic.line(LineForm::Line, plot.left, b + 300, plot.left + plot.width, b + 300);

    writeText(pic, plot.left + plot.width - 100, b + 500, QStringLiteral("%"));
    writeText(pic, plot.left, b + 320, QStringLiteral("0"));
    writeText(pic, tickX(5) - 80, b + 320, QStringLiteral("50"));
    writeText(pic, tickX(10) - 200, b + 320, QStringLiteral("100"));
}

} // namespace

void drawChartFrame(const PlotGeometry& plot, Canvas& pic, const EntryBoxes& boxes,
                    const LegendKey& drawKey) {
    const int b = plot.bottom();
    const int margin = plot.left - 1300;
    drawScale(plot, pic);

    writeText(pic, margin, plot.top - 500, boxes.description(Description::Title));
    pic.line(LineForm::Line, margin, plot.top - 300, plot.left + plot.width, plot.top - 300);

    for (int k = 1; k <= DataTable::DataColumns; ++k) {
        const int x = plot.left + 1250 * ((k - 1) % 4);
        const int y = b + 700 + 200 * ((k - 1) / 4);
        drawKey(k, x, y);
        writeText(pic, x + 150, y, boxes.columnLabel(k));
    }

    writeText(pic, plot.left + plot.width - 1200, plot.top - 200,
              QStringLiteral("(単位：%1)").arg(boxes.description(Description::Unit)));
    writeText(pic, margin, b + 1300,
              QStringLiteral("出典：") + boxes.description(Description::Source));
    writeText(pic, margin, b + 1500, QStringLiteral("注：") + boxes.description(Description::Note));
    writeText(pic, margin, b + 700, QStringLiteral("作成者："));
    writeText(pic, margin, b + 900,
              QLatin1Char('[') + boxes.description(Description::Author) + QLatin1Char(']'));
}

void computeTotals(ChartState& state, const DataTable& table) {
    for (int r = 1; r <= DataTable::DataRows; ++r) {
        double sum = 0;
        for (int c = 1; c <= DataTable::DataColumns; ++c)
            sum += table.number(r, c);
        state.rowTotal[r] = toSingle(sum);
    }
    state.grandTotal = 0;
    for (int i = 1; i <= DataTable::DataRows; ++i)
        for (int j = 1; j <= DataTable::DataColumns; ++j)
            state.grandTotal = toSingle(table.number(i, j) + state.grandTotal);
}

void drawGrandTotal(const ChartState& state, Canvas& pic, const EntryBoxes& boxes) {
    writeText(pic, state.plot.left, state.plot.top - 200,
              QStringLiteral("(総計：") + grandTotalText(state.grandTotal) +
                  boxes.description(Description::Unit) + QLatin1Char(')'));
}
