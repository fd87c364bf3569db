#include "ChartFixture.h"

#include "graph/ChartReading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using Rows = std::vector<std::vector<double>>;

// The table, its rows labelled 行1, 行2, …, laid out at `size`.
ChartLayout layOut(const Rows& rows, const ChartOptions& options,
                   GraphSize size = GraphSize::Standard, ChartKind kind = ChartKind::Colour) {
    ChartFixture f;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            f.boxes.setValue(int(r) + 1, int(c) + 1, QString::number(rows[r][c], 'g', 17));
        f.boxes.setRowLabel(int(r) + 1, QStringLiteral("行%1").arg(r + 1));
    }
    inputData(f.boxes, f.table);
    f.plot.height = heightsOf(size).plotHeight;
    return layoutChart(kind, f.table, f.boxes, f.plot, f.metrics, options,
                       heightsOf(size).canvasHeight);
}

TEST(ChartOptions, SegmentNumbersShowWhereTheyFitInTheirColourOrOnWhite) {
    const Rows thin{{1000, 10, 1}, {50}};
    const Rows twelve{std::vector<double>(12, 10)};
    // By segment: '-' left out, 'B' black, 'W' white, 'b' black on a white box.
    const std::tuple<GraphSize, ChartKind, Rows, const char*> cases[] = {
        {GraphSize::Standard, ChartKind::Colour, thin, "B---"},
        {GraphSize::Tall, ChartKind::Colour, thin, "B--B"},
        {GraphSize::Wide, ChartKind::Pattern, thin, "b---"},
        {GraphSize::Standard, ChartKind::Colour, twelve, "BBBWBBBBWWWW"},
        {GraphSize::Standard, ChartKind::Pattern, twelve, "bbbbbbbbbbbb"},
    };
    for (const auto& [size, kind, rows, expected] : cases) {
        QString shown;
        for (const BarLayout& bar : layOut(rows, {true, false, false}, size, kind).bars)
            for (std::size_t s = 0; s < rows[bar.row - 1].size(); ++s) {
                const auto& figure = bar.segments[s].figure;
                shown += !figure           ? u'-'
                         : figure->backing ? u'b'
                                           : (figure->colour == qRgb(0, 0, 0) ? u'B' : u'W');
                const QRectF room = bar.segments[s].box.rect().adjusted(29.9, 29.9, -29.9, -29.9);
                EXPECT_TRUE(!figure || room.contains(figure->backing ? figure->backing->rect()
                                                                     : figure->text.box));
            }
        EXPECT_EQ(shown, QLatin1String(expected));
    }
    EXPECT_EQ(layOut(thin, {true, true, false}).bars[0].segments[0].figure->text.text,
              QStringLiteral("1,000 (99%)"));
}

TEST(ChartOptions, SortedBarsKeepTheRowsOrderInTiesAndTheReadingFollows) {
    // Totals 4, 4, 5, –, 2, 4; shares of A .25, .5, 1, –, .5, 0.
    const Rows rows{{1, 3}, {2, 2}, {5}, {}, {1, 1}, {0, 4}};
    const std::tuple<BarOrder, int, std::vector<int>> cases[] = {
        {BarOrder::Input, 1, {1, 2, 3, 5, 6}},
        {BarOrder::Total, 1, {3, 1, 2, 6, 5}},
        {BarOrder::ColumnShare, 1, {3, 2, 5, 1, 6}},
        {BarOrder::ColumnShare, 2, {6, 1, 2, 5, 3}},
    };
    for (const auto& [order, column, expected] : cases) {
        const ChartReading reading(layOut(rows, {false, false, false, order, column}));
        const std::vector<BarLayout>& bars = reading.layout().bars;
        std::vector<int> shown;
        for (const BarLayout& bar : bars)
            shown.push_back(bar.row);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(bars[1].top, bars[0].bottom);
        EXPECT_EQ(reading.step(*reading.firstSegment(), 0, 1)->bar, 1);
    }
}

// Random tables, some bars far thinner than a line of text, with and without totals: the label
// blocks never overlap nor leave the canvas, and exactly the moved ones have a leader.
TEST(ChartOptions, LabelBlocksNeverOverlapNorLeaveTheCanvas) {
    const double line = chartTextMetrics(NewCanvasWidth).lineHeight;
    const ChartLayout totals = layOut({{1234}, {0.1, 0.2}, {2467.7}}, {false, false, true});
    EXPECT_EQ(totals.bars[0].totalText.text, QStringLiteral("1,234 (33%)"));
    EXPECT_EQ(totals.bars[1].totalText.text, QStringLiteral("0.3 (0.0%)"));
    std::mt19937 random(20240607);
    int moved = 0;
    for (int t = 0; t < 300; ++t) {
        Rows rows(1 + random() % 10);
        for (auto& row : rows)
            for (unsigned c = random() % 4; c > 0; --c)
                row.push_back(std::pow(10.0, random() % 600 / 100.0) * (random() % 20 ? 1 : -1));
        const auto size = GraphSize(random() % 3);
        const bool totals = random() % 2 == 0;
        double free = 0;
        for (const BarLayout& bar : layOut(rows, {false, false, totals}, size).bars) {
            EXPECT_GE(bar.label.y, free - 1e-3) << t;
            EXPECT_TRUE(!totals || bar.totalText.y == float(bar.label.y + line));
            free = bar.label.y + (totals ? 2 : 1) * line;
            EXPECT_LE(free, heightsOf(size).canvasHeight + 1e-3) << t;
            ASSERT_EQ(bar.leader.has_value(), bar.label.y != bar.top) << t;
            moved += bar.leader.has_value();
        }
    }
    EXPECT_GT(moved, 100);
}

} // namespace
