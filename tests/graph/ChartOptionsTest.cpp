#include "ChartFixture.h"

#include "graph/ChartReading.h"
#include "graph/TextContrast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using Rows = std::vector<std::vector<double>>;

// The table laid out at `size` with its rows labelled 行1, 行2, ….
ChartLayout layOut(const Rows& rows, const ChartOptions& options,
                   GraphSize size = GraphSize::Standard, ChartKind kind = ChartKind::Colour) {
    ChartFixture f;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        f.setRow(int(r) + 1, std::initializer_list<double>{});
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            f.boxes.setValue(int(r) + 1, int(c) + 1, QString::number(rows[r][c], 'g', 17));
        f.boxes.setRowLabel(int(r) + 1, QStringLiteral("行%1").arg(r + 1));
    }
    inputData(f.boxes, f.table);
    f.plot.height = heightsOf(size).plotHeight;
    return layoutChart(kind, f.table, f.boxes, f.plot, f.metrics, options,
                       heightsOf(size).canvasHeight);
}

std::vector<int> rowsOf(const ChartLayout& layout) {
    std::vector<int> rows;
    for (const BarLayout& bar : layout.bars)
        rows.push_back(bar.row);
    return rows;
}

TEST(ChartOptions, SegmentNumbersShowOnlyWhereTheyFitWithTheirMargin) {
    const ChartOptions both{true, true, false, BarOrder::Input, 1};
    const struct {
        GraphSize size;
        std::vector<std::vector<bool>> shown; // by bar and segment
    } cases[] = {
        {GraphSize::Standard, {{true, false, false}, {false}}},
        {GraphSize::Tall, {{true, false, false}, {true}}},
        {GraphSize::Wide, {{true, false, false}, {false}}},
    };
    for (const auto& c : cases) {
        const ChartLayout layout = layOut({{1000, 10, 1}, {50}}, both, c.size);
        for (std::size_t b = 0; b < c.shown.size(); ++b)
            for (std::size_t s = 0; s < c.shown[b].size(); ++s) {
                const SegmentLayout& segment = layout.bars.at(b).segments.at(s);
                EXPECT_EQ(segment.figure.has_value(), c.shown[b][s]) << b << " " << s;
                if (!segment.figure)
                    continue;
                const QRectF room = segment.box.rect().adjusted(30, 30, -30, -30);
                EXPECT_TRUE(room.contains(segment.figure->text.box));
                EXPECT_NEAR(segment.figure->text.box.center().x(), room.center().x(), 0.5);
            }
    }
    const ChartLayout layout = layOut({{1000, 10, 1}, {50}}, both, GraphSize::Tall);
    EXPECT_EQ(layout.bars[0].segments[0].figure->text.text, QStringLiteral("1,000 (99%)"));
    EXPECT_EQ(layout.bars[1].segments[0].figure->text.text, QStringLiteral("50 (100%)"));
    EXPECT_EQ(layOut({{1000, 10, 1}}, {true, false, false, BarOrder::Input, 1})
                  .bars[0]
                  .segments[0]
                  .figure->text.text,
              QStringLiteral("1,000"));
}

TEST(ChartOptions, NumbersContrastWithTheColourFillAndLieOnWhiteOverPatterns) {
    const ChartOptions values{true, false, false, BarOrder::Input, 1};
    const Rows equal{std::vector<double>(12, 10)};
    const QString expected =
        QStringLiteral("BBBWBBBBWWWW"); // black or white text, column by column
    const ChartLayout colour = layOut(equal, values);
    for (int c = 0; c < 12; ++c) {
        const auto& figure = colour.bars[0].segments[c].figure;
        ASSERT_TRUE(figure) << c;
        EXPECT_EQ(figure->colour, expected[c] == u'W' ? qRgb(255, 255, 255) : qRgb(0, 0, 0)) << c;
        EXPECT_FALSE(figure->backing);
    }
    const ChartLayout pattern = layOut(equal, values, GraphSize::Standard, ChartKind::Pattern);
    for (const SegmentLayout& segment : pattern.bars[0].segments) {
        ASSERT_TRUE(segment.figure && segment.figure->backing);
        EXPECT_EQ(segment.figure->colour, qRgb(0, 0, 0));
        // Its corners are 32-bit floats.
        const QRectF back = segment.figure->backing->rect().adjusted(-1e-3, -1e-3, 1e-3, 1e-3);
        EXPECT_TRUE(back.contains(segment.figure->text.box));
        EXPECT_TRUE(segment.box.rect().contains(back));
    }
}

TEST(ChartOptions, SortedBarsKeepTheRowsOrderInTies) {
    // Totals 4, 4, 5, –, 2, 4; shares of A .25, .5, 1, –, .5, 0.
    const Rows rows{{1, 3}, {2, 2}, {5}, {}, {1, 1}, {0, 4}};
    const struct {
        BarOrder order;
        int column;
        std::vector<int> rows;
    } cases[] = {
        {BarOrder::Input, 1, {1, 2, 3, 5, 6}},
        {BarOrder::Total, 1, {3, 1, 2, 6, 5}},
        {BarOrder::ColumnShare, 1, {3, 2, 5, 1, 6}},
        {BarOrder::ColumnShare, 2, {6, 1, 2, 5, 3}},
    };
    for (const auto& c : cases) {
        const ChartLayout layout = layOut(rows, {false, false, false, c.order, c.column});
        EXPECT_EQ(rowsOf(layout), c.rows);
        for (std::size_t b = 1; b < layout.bars.size(); ++b)
            EXPECT_EQ(layout.bars[b].top, layout.bars[b - 1].bottom);
        // The reading follows the bars as shown.
        const ChartReading reading(layout);
        const QString summary = reading.summary();
        EXPECT_LT(summary.indexOf(QStringLiteral("行%1:").arg(c.rows[0])),
                  summary.indexOf(QStringLiteral("行%1:").arg(c.rows[1])));
        const auto below = reading.step(*reading.firstSegment(), 0, 1);
        ASSERT_TRUE(below);
        EXPECT_EQ(layout.bars.at(below->bar).row, c.rows[1]);
    }
}

TEST(ChartOptions, TotalsGoUnderTheLabel) {
    const ChartOptions totals{false, false, true, BarOrder::Input, 1};
    const struct {
        Rows rows;
        QStringList texts;
    } cases[] = {
        {{{1234}, {2468}}, {"1,234 (33%)", "2,468 (67%)"}},
        {{{0.1, 0.2}, {29.7}}, {"0.3 (1.0%)", "29.7 (99%)"}},
    };
    for (const auto& c : cases) {
        const ChartLayout layout = layOut(c.rows, totals);
        const double line = chartTextMetrics(NewCanvasWidth).lineHeight;
        for (std::size_t b = 0; b < layout.bars.size(); ++b) {
            const BarLayout& bar = layout.bars[b];
            EXPECT_EQ(bar.totalText.text, c.texts.at(b));
            EXPECT_EQ(bar.totalText.x, bar.label.x);
            EXPECT_EQ(bar.totalText.y, float(bar.label.y + line));
            const ChartReading reading(layout);
            EXPECT_EQ(reading.box({ChartPlace::Kind::Label, int(b), 0}),
                      bar.label.box.united(bar.totalText.box));
        }
    }
}

// Random tables, some bars far thinner than a line of text: the label blocks never overlap nor
// leave the canvas, and exactly the moved ones are joined to the middle of their bars.
TEST(ChartOptions, MovedLabelsNeverOverlapNorLeaveTheCanvas) {
    std::mt19937 random(20240607);
    const double line = chartTextMetrics(NewCanvasWidth).lineHeight;
    int moved = 0;
    for (int t = 0; t < 300; ++t) {
        Rows rows(1 + random() % 10);
        for (auto& row : rows) {
            row.resize(random() % 4);
            for (double& value : row)
                value =
                    std::pow(10.0, double(random() % 600) / 100) * (random() % 20 == 0 ? -1 : 1);
        }
        const GraphSize size =
            std::array{GraphSize::Standard, GraphSize::Tall, GraphSize::Wide}[random() % 3];
        const bool totals = random() % 2 == 0;
        const ChartLayout layout = layOut(rows, {false, false, totals, BarOrder::Input, 1}, size);
        const double height = totals ? 2 * line : line;
        double free = 0;
        for (const BarLayout& bar : layout.bars) {
            EXPECT_GE(bar.label.y, free - 1e-3) << t;
            free = bar.label.y + height;
            EXPECT_LE(free, heightsOf(size).canvasHeight + 1e-3) << t;
            EXPECT_EQ(bar.leader.has_value(), bar.label.y != bar.top) << t;
            if (bar.leader) {
                ++moved;
                EXPECT_EQ(bar.leader->x2, float(layout.plot.left));
                EXPECT_EQ(bar.leader->y2, (bar.top + bar.bottom) / 2);
            }
        }
    }
    EXPECT_GT(moved, 100);
}

} // namespace
