#include "RandomCharts.h"

#include "graph/ChartNotice.h"

#include <gtest/gtest.h>

namespace {

// Positions are 32-bit floats: boxes that touch may overlap by their rounding, a hair of a twip.
bool inside(const QRectF& outer, const QRectF& box) {
    return box.isEmpty() || outer.adjusted(-1, -1, 1, 1).contains(box);
}

bool overlap(const QRectF& a, const QRectF& b) {
    constexpr double Hair = 0.01;
    return a.adjusted(Hair, Hair, -Hair, -Hair).intersects(b);
}

// For every size, order and option: the texts left of the plot and the captions under it never
// overlap, none reaches under the plot, every text lies on the canvas and nothing of the bars
// lies outside the plot area; what is left out is told.
TEST(ChartProperties, LeftHandTextsNeverOverlapAndBarsStayInThePlot) {
    int shrunk = 0;
    int leftOut = 0;
    int moved = 0;
    int index = 0;
    for (const RandomChart& chart : randomCharts(400, 20240607)) {
        SCOPED_TRACE(index++);
        WindowlessGraph graph;
        const Result<ChartLayout> drawn = drawOnNewWindow(graph, chart.boxes, chart.style);
        if (!drawn)
            continue;
        const ChartLayout& layout = *drawn;
        const PlotGeometry& plot = layout.plot;
        const QRectF frame(plot.left, plot.top, plot.width, plot.height);
        const QRectF canvas(QPointF(0, 0), QSizeF(graph.picture().sizeTwips()));
        const FrameLayout& f = layout.frame;
        std::vector<QRectF> left{f.authorCaption.box, f.author.box, f.source.box, f.note.box};
        std::vector<QRectF> texts{f.title.box, f.unit.box, layout.grandTotalText.box};
        for (const BarLayout& bar : layout.bars) {
            for (const PlacedText* text : {&bar.label, &bar.totalText, &bar.totalShare}) {
                EXPECT_LE(text->box.right(), plot.left) << text->text.toStdString();
                left.push_back(text->box);
            }
            for (const SegmentLayout& segment : bar.segments) {
                EXPECT_TRUE(inside(frame, segment.box.rect()));
                if (const auto& figure = segment.figure) {
                    EXPECT_TRUE(inside(frame, figure->text.box.united(figure->second.box)));
                    EXPECT_TRUE(!figure->backing || inside(frame, figure->backing->rect()));
                }
            }
            moved += bar.leader.has_value();
        }
        for (std::size_t i = 0; i < left.size(); ++i) {
            EXPECT_TRUE(inside(canvas, left[i]));
            for (std::size_t j = i + 1; j < left.size(); ++j)
                EXPECT_FALSE(overlap(left[i], left[j])) << i << " over " << j;
        }
        for (const QRectF& text : texts)
            EXPECT_TRUE(inside(canvas, text));
        shrunk += layout.labelFontSize != CanvasFontSize;
        leftOut += !layout.notes.empty();
        EXPECT_EQ(layout.notes.empty(), chartNotice(layout).isEmpty());
    }
    EXPECT_GT(shrunk, 20);
    EXPECT_GT(leftOut, 20);
    EXPECT_GT(moved, 100);
}

} // namespace
