#include "ChartFixture.h"
#include "Printers.h"

#include "data/RuntimeError.h"
#include "graph/ChartReading.h"
#include "graph/SizeOption.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

QString printOp(const PlacedText& text) {
    return QStringLiteral("print(%1, %2, %3)")
        .arg(QString::number(text.x, 'g', 9), QString::number(text.y, 'g', 9), text.text);
}

QString boxOp(ChartKind kind, const Corners& box, const Fill& fill) {
    if (kind == ChartKind::Pattern)
        return lineOp(20, box.x1, box.y1, box.x2, box.y2);
    const QString colour = QStringLiteral("#%1").arg(*fill.colour & 0xFFFFFF, 6, 16, QChar(u'0'));
    return lineOp(38, box.x1, box.y1, box.x2, box.y2, colour.toLatin1().constData());
}

// The drawn boxes and texts, without the settings between them.
QStringList shapes(const QStringList& ops) {
    QStringList kept;
    for (const QString& op : ops)
        if (op.startsWith(QStringLiteral("line(")) || op.startsWith(QStringLiteral("print(")))
            kept << op;
    return kept;
}

struct Table {
    const char* name;
    std::vector<std::vector<double>> rows;
};

void PrintTo(const Table& table, std::ostream* os) {
    *os << table.name;
}

const Table Tables[] = {
    {"worked example", {{30, 20, 50}, {900}}},
    {"negative values and total", {{10, -4, 6}, {-3, 8, 2}, {-20}}},
    {"empty rows between", {{}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {}, {}, {7}}},
    {"thirds and a thin bar", {{1, 1, 1}, {1, 1}, {1e-6}, {2, 0, 1}}},
};

// Everything shown: the numbers, totals and the order as they come with all options.
const ChartOptions AllShown{true, true, true, BarOrder::Total, 1};

using Case = std::tuple<Table, GraphSize, ChartKind, ChartOptions>;
class ChartLayoutIsWhatIsDrawn : public ::testing::TestWithParam<Case> {};

TEST_P(ChartLayoutIsWhatIsDrawn, SegmentKeyAndTextByOperation) {
    const auto& [table, size, kind, options] = GetParam();
    ChartFixture f;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            f.boxes.setValue(row, static_cast<int>(c) + 1,
                             QString::number(table.rows[r][c], 'g', 17));
        if (row % 2 == 1)
            f.boxes.setRowLabel(row, QStringLiteral("行%1").arg(row));
    }
    f.boxes.setColumnLabel(2, QStringLiteral("食品"));
    f.boxes.setDescription(Description::Unit, QStringLiteral("kg"));
    applySizeOption(f.plot, f.surface, size);
    kind == ChartKind::Colour ? f.drawColour(size, options) : f.drawPattern(size, options);
    const ChartLayout& layout = f.layout;

    QStringList keys;
    for (const KeyLayout& key : layout.keys)
        keys << boxOp(kind, key.swatch, key.fill) << printOp(key.label);
    const QStringList drawn = shapes(f.surface.pic.ops);
    const qsizetype legend = drawn.indexOf(keys.front());
    ASSERT_GE(legend, 0);
    EXPECT_EQ(drawn.mid(legend, keys.size()), keys);

    QStringList bars{printOp(layout.grandTotalText)};
    for (const BarLayout& bar : layout.bars) {
        for (const SegmentLayout& segment : bar.segments)
            bars << boxOp(kind, segment.box, segment.fill);
        if (kind == ChartKind::Colour)
            for (const SegmentLayout& segment : bar.segments)
                bars << lineOp(20, segment.box.x1, segment.box.y1, segment.box.x2, segment.box.y2);
        for (const SegmentLayout& segment : bar.segments)
            if (const auto& figure = segment.figure) {
                if (const auto& back = figure->backing)
                    bars << lineOp(38, back->x1, back->y1, back->x2, back->y2, "#ffffff");
                bars << printOp(figure->text);
                if (!figure->second.text.isEmpty())
                    bars << printOp(figure->second);
            }
        if (const auto& l = bar.leader)
            bars << lineOp(4, l->x1, l->y1, l->x2, l->y2, "#808080");
        bars << printOp(bar.label);
        if (options.totals)
            bars << printOp(bar.totalText);
        if (!bar.totalShare.text.isEmpty())
            bars << printOp(bar.totalShare);
    }
    EXPECT_EQ(drawn.mid(drawn.size() - bars.size()), bars);

    // What the pointer meets is where the text and the segment were drawn.
    const ChartReading reading(layout);
    for (std::size_t b = 0; b < layout.bars.size(); ++b) {
        const BarLayout& bar = layout.bars[b];
        if (!bar.label.text.isEmpty()) {
            EXPECT_EQ(reading.box({ChartPlace::Kind::Label, int(b), 0}).topLeft(),
                      QPointF(bar.label.x, bar.label.y));
        }
        const SegmentLayout& last = bar.segments.back();
        EXPECT_EQ(
            reading.box({ChartPlace::Kind::Segment, int(b), 11}),
            QRectF(QPointF(last.box.x1, bar.top), QPointF(last.box.x2, bar.bottom)).normalized());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ChartLayoutIsWhatIsDrawn,
    ::testing::Combine(::testing::ValuesIn(Tables),
                       ::testing::Values(GraphSize::Standard, GraphSize::Tall, GraphSize::Wide),
                       ::testing::Values(ChartKind::Colour, ChartKind::Pattern),
                       ::testing::Values(ChartOptions{}, AllShown)));

TEST(ChartLayout, FailureKeepsWhatCameBeforeIt) {
    ChartFixture f;
    f.setRow(1, {4});
    f.setRow(2, {5});
    f.setRow(3, {-9});
    inputData(f.boxes, f.table);
    const ChartLayout layout = layoutChart(ChartKind::Colour, f.table, f.boxes, f.plot, f.metrics);
    ASSERT_TRUE(layout.failure);
    EXPECT_EQ(layout.failure->failure.reason, RuntimeError::divisionByZero().message());
    EXPECT_EQ(layout.failure->row, 1);
    EXPECT_TRUE(layout.bars.empty());
    EXPECT_EQ(layout.grandTotalText.text, QStringLiteral("(総計：0)"));
}

TEST(ChartLayout, LongTextsAreMeasuredToTheCanvasEdge) {
    ChartFixture f;
    f.setRow(1, {1});
    f.boxes.setRowLabel(1, QString(100000, QChar(u'長')));
    f.boxes.setColumnLabel(1, QStringLiteral("短"));
    f.drawColour();
    EXPECT_LE(f.layout.bars.at(0).label.box.right(), f.plot.left) << "shortened to its column";
    EXPECT_TRUE(f.layout.bars.at(0).label.text.endsWith(QStringLiteral("…")));
    EXPECT_LT(f.layout.keys.at(0).label.box.right(), 2000);
}

} // namespace
