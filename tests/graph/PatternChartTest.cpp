#include "ChartFixture.h"
#include "Printers.h"

#include "graph/GraphSize.h"
#include "graph/ImageCanvas.h"
#include "graph/PatternScheme.h"
#include "graph/Twips.h"

#include <gtest/gtest.h>

namespace {

// The fill operations set before box k of the legend and before segment k of every bar.
QStringList fillOpsOf(int column) {
    const char* ops[][2] = {{"setFillColor(#808080)", "setFillStyle(0)"},
                            {"setFillColor(#000000)", "setFillStyle(1)"},
                            {nullptr, "setFillStyle(2)"},
                            {nullptr, "setFillStyle(3)"},
                            {nullptr, "setFillStyle(4)"},
                            {nullptr, "setFillStyle(5)"},
                            {nullptr, "setFillStyle(6)"},
                            {nullptr, "setFillStyle(7)"}};
    const auto& pair = ops[(column - 1) % 8];
    QStringList result;
    if (pair[0])
        result << pair[0];
    result << pair[1];
    return result;
}

TEST(PatternChart, KeepsTheLineWidthAndFillOfTheCanvas) {
    ChartFixture f;
    f.drawPattern();
    EXPECT_EQ(f.surface.pic.ops.mid(0, 4),
              QStringList(
                  {"cls()", "setBackColor(#ffffff)", "setWindowHeight(8200)", "setHeight(7575)"}));
    const qsizetype firstTick = f.surface.pic.ops.indexOf("line(4, 1550, 5920, 1550, 6000)");
    for (const QString& op : f.surface.pic.ops.mid(0, firstTick))
        EXPECT_FALSE(op.startsWith("setDrawWidth") || op.startsWith("setFill")) << op.toStdString();
}

TEST(PatternChart, LegendKeysSetColourThenStyleThenBoxThenLabel) {
    ChartFixture f;
    for (int c = 1; c <= 12; ++c)
        f.boxes.setColumnLabel(c, QStringLiteral("L%1").arg(c));
    f.drawPattern();

    QStringList expected;
    for (int k = 1; k <= 12; ++k) {
        const int x = 1550 + 1250 * ((k - 1) % 4);
        const int y = 6400 + 200 * ((k - 1) / 4);
        expected << fillOpsOf(k) << lineOp(20, x, y, x + 100, y + 150)
                 << QStringLiteral("print(%1, %2, L%3)").arg(x + 150).arg(y).arg(k);
    }
    const QStringList ops = withoutTextPosition(f.surface.pic.ops);
    const qsizetype start = ops.indexOf("line(4, 250, 400, 6550, 400)") + 1;
    EXPECT_EQ(ops.mid(start, expected.size()), expected);
}

TEST(PatternBars, WorkedExampleInOnePassAtLineWidthTwo) {
    ChartFixture f;
    f.setRow(1, {30, 20, 50});
    f.setRow(2, {900});
    f.boxes.setRowLabel(1, QStringLiteral("A"));
    f.drawPattern();

    const double ends[] = {1550, 3050, 4050, 6550, 6550, 6550, 6550,
                           6550, 6550, 6550, 6550, 6550, 6550};
    QStringList expected{"setDrawWidth(2)"};
    for (int c = 1; c <= 12; ++c)
        expected << fillOpsOf(c) << lineOp(20, ends[c - 1], 700, ends[c], 1200);
    expected << "print(250, 700, A)" << fillOpsOf(1) << lineOp(20, 1550, 1200, 6550, 5700);
    EXPECT_EQ(withoutTextPosition(f.barOps()).mid(0, expected.size()), expected);
    EXPECT_TRUE(f.surface.pic.only("line(38").isEmpty());
}

TEST(PatternBars, RowOneSetsTheLineWidthEvenWhenEmpty) {
    ChartFixture f;
    f.setRow(2, {1, 1});
    f.setRow(3, {2});
    f.drawPattern();
    const QStringList bars = withoutTextPosition(f.barOps());
    ASSERT_FALSE(bars.isEmpty());
    EXPECT_EQ(bars[0], "setDrawWidth(2)");
    EXPECT_EQ(bars[1], "setFillColor(#808080)");
    EXPECT_EQ(bars[3], lineOp(20, 1550, 700, 4050, 3200));
    EXPECT_EQ(f.surface.pic.only("setDrawWidth").size(), 1);
}

// A canvas for pixel checks: a full row of equal values in every column.
struct PatternPicture : GraphSurface {
    ImageCanvas pic{NewCanvasWidth, NewCanvasHeight, NewCanvasColour};
    Canvas& canvas() override { return pic; }
    void setWindowHeight(int) override {}
};

bool isBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

// The pixels of a large box filled with `style` from the image's origin: the reference every
// hatched area must agree with, since all hatching is anchored to the canvas.
QImage referencePattern(FillStyle style, QSize size) {
    ImageCanvas canvas(size.width() * TwipsPerPixel, size.height() * TwipsPerPixel, 0xFFFFFF);
    canvas.setFillColor(0);
    canvas.setFillStyle(style);
    canvas.line(LineForm::Box, -1500, -1500, (size.width() + 100) * TwipsPerPixel,
                (size.height() + 100) * TwipsPerPixel);
    return canvas.image();
}

// Every pixel of the area (outline excluded) shows the column's pattern.
void expectPattern(const QImage& image, QRect area, int column, const char* what) {
    const Pattern pattern = patternOf(column);
    const QImage reference = referencePattern(pattern.style, image.size());
    int mismatches = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            switch (pattern.style) {
            case FillStyle::Solid:
                mismatches += pixel != 0x808080;
                break;
            case FillStyle::Transparent:
                mismatches += pixel != 0xFFFFFF;
                break;
            default:
                mismatches += pixel != (isBlack(reference, x, y) ? 0u : 0xFFFFFFu);
            }
        }
    EXPECT_EQ(mismatches, 0) << what << " of column " << column;
}

TEST(PatternPixels, EverySegmentShowsItsPatternLikeItsLegendKey) {
    ChartFixture f;
    for (int c = 1; c <= 12; ++c)
        f.boxes.setValue(1, c, QStringLiteral("1"));
    PatternPicture surface;
    inputData(f.boxes, f.table);
    drawPatternChart(f.plot, f.table, f.boxes, surface, GraphSize::Standard, f.metrics);
    const QImage& image = surface.pic.image();

    for (int c = 1; c <= 12; ++c) {
        // the segment, 5000 / 12 twips wide, inside its 2-pixel outline
        const int left = toPixels(1550 + 5000.0 / 12 * (c - 1)) + 2;
        const int right = toPixels(1550 + 5000.0 / 12 * c) - 2;
        expectPattern(image,
                      QRect(QPoint(left, toPixels(700) + 2), QPoint(right, toPixels(5700) - 2)), c,
                      "segment");
        const int x = 1550 + 1250 * ((c - 1) % 4);
        const int y = 6400 + 200 * ((c - 1) / 4);
        expectPattern(image,
                      QRect(QPoint(toPixels(x) + 1, toPixels(y) + 1),
                            QPoint(toPixels(x + 100) - 1, toPixels(y + 150) - 1)),
                      c, "key");
    }
    // Hatched segments really show lines.
    int black = 0;
    for (int y = 100; y < 200; ++y)
        black += isBlack(image, toPixels(1550 + 5000.0 / 12 * 2.5), y);
    EXPECT_GT(black, 5) << "column 3 has horizontal lines";
}

TEST(PatternPixels, FrameLinesAreOnePixelFirstThenTwo) {
    ChartFixture f;
    f.setRow(1, {1});
    PatternPicture surface;
    inputData(f.boxes, f.table);
    const auto scaleLineThickness = [&] {
        int n = 0;
        for (int y = 395; y <= 405; ++y)
            n += isBlack(surface.pic.image(), 200, y);
        return n;
    };
    drawPatternChart(f.plot, f.table, f.boxes, surface, GraphSize::Standard, f.metrics);
    EXPECT_EQ(scaleLineThickness(), 1) << "new canvas";
    drawPatternChart(f.plot, f.table, f.boxes, surface, GraphSize::Standard, f.metrics);
    EXPECT_EQ(scaleLineThickness(), 2) << "after a black-and-white chart";
    drawColourChart(f.plot, f.table, f.boxes, surface, GraphSize::Standard, f.metrics);
    drawPatternChart(f.plot, f.table, f.boxes, surface, GraphSize::Standard, f.metrics);
    EXPECT_EQ(scaleLineThickness(), 1) << "after a colour chart";
    EXPECT_EQ(surface.pic.drawWidth(), 2);
    EXPECT_EQ(surface.pic.fillStyle(), FillStyle::Vertical);
    EXPECT_EQ(surface.pic.fillColor() & 0xFFFFFF, 0u);
}

} // namespace
