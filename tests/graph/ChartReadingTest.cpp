#include "ChartFixture.h"
#include "Printers.h"

#include "graph/ChartReading.h"
#include "graph/SizeOption.h"

#include <gtest/gtest.h>

namespace {

using Kind = ChartPlace::Kind;
constexpr double Slack = 7.5; // half a pixel: the pointer

struct ReadingFixture : ChartFixture {
    ChartReading read(GraphSize size = GraphSize::Standard) {
        applySizeOption(plot, surface, size);
        drawColour(size);
        return ChartReading(layout);
    }
};

TEST(ChartReading, KeepsWhatWasDrawnAndSaysIt) {
    ReadingFixture f;
    f.boxes.setRowLabel(1, QStringLiteral("東京"));
    f.boxes.setColumnLabel(1, QStringLiteral("食品"));
    f.boxes.setDescription(Description::Unit, QStringLiteral("百万円"));
    f.setRow(1, {30, 20, 50});
    f.setRow(3, {100});
    const ChartReading reading = f.read();

    ASSERT_EQ(reading.layout().bars.size(), 2u) << "an empty row has no bar";
    EXPECT_EQ(reading.layout().bars[1].row, 3);

    const auto at = [&](double x, double y) { return reading.placeAt({x, y}, Slack); };
    ASSERT_EQ(at(2000, 1000), (ChartPlace{Kind::Segment, 0, 0}));
    EXPECT_EQ(reading.tooltip(*at(2000, 1000)),
              QStringLiteral("東京 ・ 食品: 30 百万円 (行の 30%・全体の 15%)"));
    EXPECT_EQ(at(3050, 1000), (ChartPlace{Kind::Segment, 0, 1})) << "a shared edge: drawn last";
    EXPECT_EQ(at(2000, 3200), (ChartPlace{Kind::Segment, 1, 0})) << "the bar below is drawn last";
    EXPECT_EQ(reading.tooltip(*at(6550, 4000)),
              QStringLiteral("3行 ・ L列: 0 百万円 (行の 0.0%・全体の 0.0%)"))
        << "zero segments at the end: the last drawn";

    ASSERT_EQ(at(300, 750), (ChartPlace{Kind::Label, 0, 0}));
    EXPECT_EQ(reading.tooltip(*at(300, 750)), QStringLiteral("東京: 計 100 百万円 (全体の 50%)"));
    EXPECT_EQ(at(300, 3250), std::nullopt) << "an empty label answers nothing";
    ASSERT_EQ(at(1600, 5700 + 750), (ChartPlace{Kind::Key, 0, 0}));
    EXPECT_EQ(reading.tooltip(*at(1600, 6450)), QStringLiteral("食品"));
    EXPECT_EQ(reading.tooltip(*at(1550 + 1250, 6450)), QStringLiteral("B列"));
    for (QPointF margin : {QPointF(100, 100), QPointF(1500, 2000), QPointF(6600, 2000)})
        EXPECT_EQ(reading.placeAt(margin, Slack), std::nullopt) << margin.x() << "," << margin.y();

    EXPECT_EQ(reading.summary(),
              QStringLiteral("総計 200 百万円。東京: 計 100 百万円、全体の 50%。内訳 食品 30%、B列 "
                             "20%、C列 50%。3行: 計 100 百万円、全体の 50%。内訳 食品 100%。"));
}

TEST(ChartReading, ThinZeroAndOverlappingSegmentsAnswerAsTheyShow) {
    ReadingFixture f;
    f.setRow(1, {10, 0, 10});  // a zero segment at x = 4050
    f.setRow(2, {10, -5, 10}); // segment 3 lies over segments 1 and 2
    f.setRow(3, {1e-6});       // a bar far thinner than a pixel at the bottom
    ChartReading reading = f.read();
    const auto at = [&](double x, double y) { return reading.placeAt({x, y}, Slack); };
    const double bar1 = reading.layout().bars[0].band.center().y();
    EXPECT_EQ(at(4045, bar1), (ChartPlace{Kind::Segment, 0, 1}));
    EXPECT_EQ(at(4057, bar1), (ChartPlace{Kind::Segment, 0, 1}));
    EXPECT_EQ(at(4040, bar1), (ChartPlace{Kind::Segment, 0, 0}));
    const double bar2 = reading.layout().bars[1].band.center().y();
    EXPECT_EQ(at(1550 + 2500, bar2), (ChartPlace{Kind::Segment, 1, 2}));
    EXPECT_EQ(at(1550 + 1000, bar2), (ChartPlace{Kind::Segment, 1, 0}));
    const double thinBar = reading.layout().bars[2].band.top();
    EXPECT_LT(reading.layout().bars[2].band.height(), 0.01);
    for (double y : {thinBar - 5, thinBar + 5})
        EXPECT_EQ(at(3000, y), (ChartPlace{Kind::Segment, 2, 0})) << y;

    for (GraphSize size : {GraphSize::Standard, GraphSize::Tall, GraphSize::Wide}) {
        reading = f.read(size);
        const double bottom = 700 + heightsOf(size).plotHeight;
        EXPECT_NEAR(reading.layout().bars.back().band.bottom(), bottom, 0.01);
        EXPECT_EQ(reading.placeAt({3000, bottom - 1}, Slack), (ChartPlace{Kind::Segment, 2, 0}));
        EXPECT_EQ(reading.placeAt({3000, bottom + 30}, Slack), std::nullopt);
    }
}

TEST(ChartReading, ArrowsStepThroughSegmentsWithValues) {
    ReadingFixture f;
    f.setRow(1, {1, 0, 3});
    f.setRow(3, {0, 2});
    f.setRow(4, {5, 0, 0, 6});
    const ChartReading reading = f.read();
    const auto segment = [](int bar, int item) { return ChartPlace{Kind::Segment, bar, item}; };
    ASSERT_EQ(reading.firstSegment(), segment(0, 0));
    EXPECT_EQ(reading.step(segment(0, 0), 1, 0), segment(0, 2)) << "zero segments are skipped";
    EXPECT_EQ(reading.step(segment(0, 2), 1, 0), std::nullopt);
    EXPECT_EQ(reading.step(segment(0, 0), -1, 0), std::nullopt);
    EXPECT_EQ(reading.step(segment(0, 2), 0, 1), segment(1, 1)) << "the nearest column";
    EXPECT_EQ(reading.step(segment(1, 1), 0, 1), segment(2, 0));
    EXPECT_EQ(reading.step(segment(2, 3), 0, -1), segment(1, 1));
    EXPECT_EQ(reading.step(segment(0, 0), 0, -1), std::nullopt);
}

} // namespace
