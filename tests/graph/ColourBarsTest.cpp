#include "ChartFixture.h"

#include "Printers.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourBars, WorkedExampleOperationByOperation) {
    ChartFixture f;
    f.setRow(1, {30, 20, 50});
    f.setRow(2, {900});
    f.boxes.setRowLabel(1, QStringLiteral("一行目"));
    f.drawColour();

    const BarLayout& bar = f.layout.bars.at(0);
    EXPECT_EQ(bar.total, 100.f);
    EXPECT_EQ(f.layout.grandTotal, 1000.f);
    EXPECT_EQ(bar.bottom - bar.top, 500.f);

    const char* colours[] = {"#ff0000", "#ffff00", "#00ff00", "#0000ff", "#00ffff", "#ff00ff",
                             "#c0c0c0", "#808000", "#008000", "#800080", "#008080", "#800000"};
    const double ends[] = {1550, 3050, 4050, 6550, 6550, 6550, 6550,
                           6550, 6550, 6550, 6550, 6550, 6550};
    QStringList expected{"setDrawWidth(1)"};
    for (int c = 1; c <= 12; ++c)
        expected << lineOp(38, ends[c - 1], 700, ends[c], 1200, colours[c - 1]);
    for (int c = 1; c <= 12; ++c)
        expected << lineOp(20, ends[c - 1], 700, ends[c], 1200);
    expected << "setCurrentX(250)"
             << "setCurrentY(700)"
             << "print(250, 700, 一行目)";
    // bar 2 starts where bar 1 ends and fills the rest of the plot area
    expected << lineOp(38, 1550, 1200, 6550, 5700, "#ff0000");

    EXPECT_EQ(f.barOps().mid(0, expected.size()), expected);
}

TEST(ColourBars, EmptyRowsDrawNothingAndLeaveNoGap) {
    ChartFixture f;
    f.setRow(1, {10});
    f.setRow(2, {99});
    f.setRow(3, {10});
    f.drawColour(); // row 2 had values in an earlier drawing
    f.boxes.setValue(2, 1, QString());
    f.drawColour();

    ASSERT_EQ(f.layout.bars.size(), 2u);
    EXPECT_EQ(f.layout.bars[1].row, 3);
    const QStringList bars = f.barOps();
    EXPECT_TRUE(bars.contains(lineOp(38, 1550, 700, 6550, 3200, "#ff0000")));
    EXPECT_TRUE(bars.contains(lineOp(38, 1550, 3200, 6550, 5700, "#ff0000")));
    EXPECT_EQ(f.surface.pic.only("print").size() - 23,
              2); // two row labels besides the 23 texts of the frame
}

TEST(ColourBars, OnlyRowOneFillsThePlotArea) {
    ChartFixture f;
    f.setRow(1, {0, 0, 0, 0, 7});
    f.drawColour();
    const QStringList bars = f.barOps();
    ASSERT_EQ(bars.size(), 1 + 24 + 3);
    // zero-width boxes before the single segment at the left edge, after it at the right edge
    EXPECT_EQ(bars[1], lineOp(38, 1550, 700, 1550, 5700, "#ff0000"));
    EXPECT_EQ(bars[5], lineOp(38, 1550, 700, 6550, 5700, "#00ffff"));
    EXPECT_EQ(bars[6], lineOp(38, 6550, 700, 6550, 5700, "#ff00ff"));
}

TEST(ColourBars, NegativeValueRunsBackOverTheSegmentBefore) {
    ChartFixture f;
    f.setRow(1, {50, -10, 60});
    f.drawColour();
    const QStringList bars = f.barOps();
    EXPECT_EQ(bars[1], lineOp(38, 1550, 700, 4050, 5700, "#ff0000"));
    EXPECT_EQ(bars[2], lineOp(38, 4050, 700, 3550, 5700, "#ffff00"));
    EXPECT_EQ(bars[3], lineOp(38, 3550, 700, 6550, 5700, "#00ff00"));
}

TEST(ColourBars, NegativeRowTotalExtendsUpwards) {
    ChartFixture f;
    f.setRow(1, {100});
    f.setRow(2, {-20});
    f.setRow(3, {20});
    f.drawColour();
    EXPECT_EQ(f.layout.bars.at(1).bottom - f.layout.bars.at(1).top, -1000.f);
    const QStringList bars = f.barOps();
    EXPECT_TRUE(bars.contains(lineOp(38, 1550, 5700, 6550, 4700, "#ff0000")));
    EXPECT_TRUE(bars.contains(lineOp(38, 1550, 4700, 6550, 5700, "#ff0000")));
}

TEST(ColourBars, AllNegativeTableDrawsTheBarsOfItsAbsoluteValues) {
    ChartFixture positive;
    ChartFixture negative;
    const std::vector<std::vector<double>> rows = {{3, 1, 4}, {1, 5, 9, 2}, {}, {6, 5, 3, 5, 8}};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int row = static_cast<int>(r) + 1;
            const int column = static_cast<int>(c) + 1;
            positive.boxes.setValue(row, column, QString::number(rows[r][c]));
            negative.boxes.setValue(row, column, QString::number(-rows[r][c]));
        }
    positive.drawColour();
    negative.drawColour();
    EXPECT_EQ(positive.barOps(), negative.barOps());
}

TEST(ColourBars, HeightsScaleWithTheTallAndWideSizes) {
    for (auto [size, plotHeight] : {std::pair{GraphSize::Tall, 8000}, {GraphSize::Wide, 2000}}) {
        ChartFixture f;
        f.plot.height = static_cast<std::int16_t>(plotHeight);
        f.setRow(1, {1, 3});
        f.setRow(2, {4});
        f.drawColour(size);
        EXPECT_EQ(f.layout.bars.at(0).bottom, 700 + plotHeight / 2.f);
        EXPECT_EQ(f.layout.bars.at(0).segments.at(0).box.x2, 1550 + 1250.f);
        EXPECT_TRUE(
            f.barOps().contains(QStringLiteral("print(250, %1, )").arg(700 + plotHeight / 2)));
    }
}

} // namespace
