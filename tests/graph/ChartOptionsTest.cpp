#include "ChartFixture.h"

#include "graph/ChartNotice.h"
#include "graph/ChartReading.h"
#include "graph/Palettes.h"

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

// The labels' column gives way step by step: the room down to the captions, a total broken onto
// two lines, a smaller font, then totals and labels left out, thinnest bars first, and told.
TEST(ChartOptions, LabelsGiveWayInOrderAndWhatIsLeftOutIsTold) {
    const Rows household(10, std::vector<double>(12, 244838));
    Rows thin(10, {123456789012});
    thin[0] = {1e14};
    const struct {
        const char* name;
        Rows rows;
        GraphSize size;
        int fontSize;
        const char* lastTotal; // with its share where that breaks onto a line of its own
        int leftOut;
    } cases[] = {
        {"short totals stand",
         {{1234}, {0.1, 0.2}, {2467.7}},
         GraphSize::Standard,
         180,
         "2,467.7 (67%)",
         0},
        {"wide totals break", household, GraphSize::Standard, 165, "2,938,056 / (10%)", 0},
        {"tall room", household, GraphSize::Tall, 180, "2,938,056 / (10%)", 0},
        {"wide size shrinks", household, GraphSize::Wide, 120, "2,938,056 (10%)", 0},
        {"thin bars in the wide size", thin, GraphSize::Wide, 120, "", 5},
    };
    for (const auto& c : cases) {
        const ChartLayout layout = layOut(c.rows, {false, false, true}, c.size);
        const BarLayout& last = layout.bars.back();
        EXPECT_EQ(layout.labelFontSize, c.fontSize) << c.name;
        QString total = last.totalText.text;
        if (!last.totalShare.text.isEmpty())
            total += QStringLiteral(" / ") + last.totalShare.text;
        EXPECT_EQ(total, QLatin1String(c.lastTotal)) << c.name;
        EXPECT_EQ(layout.notes.size(), std::size_t(c.leftOut)) << c.name;
    }
    const ChartLayout thinBars = layOut(thin, {false, false, true}, GraphSize::Wide);
    EXPECT_TRUE(chartNotice(thinBars).startsWith(QStringLiteral(
        "場所が足りないため合計を省きました (バーのツールチップに出ます): 6行目「行6」、7行目")));
}

} // namespace

TEST(ChartOptions, UserColoursFillTheirColumnsOfTheColourChartOnly) {
    const Rows row{std::vector<double>(12, 10)};
    ChartOptions user;
    user.palette = Palette::User;
    user.userColours[1] = qRgb(1, 2, 3);
    for (ChartKind kind : {ChartKind::Colour, ChartKind::Pattern}) {
        const ChartLayout standard = layOut(row, {}, GraphSize::Standard, kind);
        const ChartLayout chosen = layOut(row, user, GraphSize::Standard, kind);
        for (std::size_t c = 0; c < 12; ++c) {
            const bool changed = kind == ChartKind::Colour && c == 1;
            EXPECT_EQ(chosen.keys[c].fill.colour == standard.keys[c].fill.colour, !changed) << c;
            EXPECT_EQ(chosen.bars[0].segments[c].fill.colour, chosen.keys[c].fill.colour) << c;
        }
        if (kind == ChartKind::Colour) {
            EXPECT_EQ(chosen.keys[1].fill.colour, qRgb(1, 2, 3));
        }
    }
}
