#include "ChartFixture.h"


#include "Printers.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const KeyColours[] = {"#ff0000", "#ffff00", "#00ff00", "#0000ff", "#00ffff", "#ff00ff",
                                  "#c0c0c0", "#808000", "#008000", "#800080", "#008080", "#800000"};

TEST(ColourChart, PreparesTheCanvasAndAppliesTheStandardSize) {
    ChartFixture f;
    f.plot.height = 2000; // left by an earlier size option
    f.drawColour();
    EXPECT_EQ(f.surface.pic.ops.mid(0, 6),
              QStringList({"setDrawWidth(1)", "cls()", "setBackColor(#ffffff)", "setFillStyle(1)",
                           "setWindowHeight(8200)", "setHeight(7575)"}));
    EXPECT_EQ(f.plot.height, 5000);
    EXPECT_EQ(tableColour(BlackSlot), qRgb(0, 0, 0));
    EXPECT_EQ(tableColour(WhiteSlot), qRgb(255, 255, 255));
    EXPECT_EQ(tableColour(GreySlot), qRgb(128, 128, 128));
}

TEST(ColourChart, DrawsTheFrameAtTheStandardPositions) {
    ChartFixture f;
    f.boxes.setDescription(Description::Title, QStringLiteral("Title"));
    f.boxes.setDescription(Description::Unit, QStringLiteral("kg"));
    f.boxes.setDescription(Description::Source, QStringLiteral("src"));
    f.boxes.setDescription(Description::Note, QStringLiteral("note"));
    f.boxes.setDescription(Description::Author, QStringLiteral("me"));
    for (int c = 1; c <= 12; ++c)
        f.boxes.setColumnLabel(c, QStringLiteral("L%1").arg(c));
    f.setRow(1, {1234});
    f.drawColour();

    QStringList expected;
    for (int i = 0; i <= 10; ++i)
        expected << QStringLiteral("line(4, %1, 5920, %1, 6000)").arg(1550 + 500 * i);
    expected << "line(4, 1550, 6000, 6550, 6000)"
             << "print(6450, 6200, %)"
             << "print(1550, 6020, 0)"
             << "print(3970, 6020, 50)"
             << "print(6350, 6020, 100)"
             << "print(250, 200, Title)"
             << "line(4, 250, 400, 6550, 400)";
    for (int k = 1; k <= 12; ++k) {
        const int x = 1550 + 1250 * ((k - 1) % 4);
        const int y = 6400 + 200 * ((k - 1) / 4);
        expected << QStringLiteral("line(38, %1, %2, %3, %4, %5)")
                        .arg(x)
                        .arg(y)
                        .arg(x + 100)
                        .arg(y + 150)
                        .arg(KeyColours[k - 1]);
        expected << QStringLiteral("print(%1, %2, L%3)").arg(x + 150).arg(y).arg(k);
    }
    expected << "print(5350, 500, (単位：kg))"
             << "print(250, 7000, 出典：src)"
             << "print(250, 7200, 注：note)"
             << "print(250, 6400, 作成者：)"
             << "print(250, 6600, [me])"
             << "print(1550, 500, (総計：1234kg))";

    const QStringList ops = withoutTextPosition(f.surface.pic.ops);
    const qsizetype frameStart = ops.indexOf(QStringLiteral("line(4, 1550, 5920, 1550, 6000)"));
    ASSERT_GE(frameStart, 0);
    EXPECT_EQ(ops.mid(frameStart, expected.size()), expected);
}

TEST(ColourChart, EmptyTableDrawsOnlyTheFrameWithFixedTexts) {
    ChartFixture f;
    f.drawColour();
    const QStringList texts = f.surface.pic.texts();
    for (const char* fixed : {"(単位：)", "出典：", "注：", "作成者：", "[]", "(総計：0)"}) {
        const QString ending = QStringLiteral(", %1)").arg(QString::fromUtf8(fixed));
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const QString& t) {
            return t.endsWith(ending);
        })) << fixed;
    }
    EXPECT_TRUE(f.barOps().isEmpty());
    EXPECT_EQ(f.surface.pic.only("line(38").size(), 12); // the legend keys
    EXPECT_EQ(f.layout.grandTotal, 0.f);
}

TEST(ColourChart, TallAndWideSizesMoveEverythingBelowThePlotAndKeepTheWindow) {
    for (auto [size, plotHeight] : {std::pair{GraphSize::Tall, 8000}, {GraphSize::Wide, 2000}}) {
        ChartFixture f;
        f.plot.height = static_cast<std::int16_t>(plotHeight);
        f.setRow(1, {1});
        f.drawColour(size);
        const int b = 700 + plotHeight;
        EXPECT_TRUE(f.surface.pic.only("setWindowHeight").isEmpty());
        EXPECT_TRUE(f.surface.pic.only("setHeight").isEmpty());
        EXPECT_TRUE(
            f.surface.pic.ops.contains(QStringLiteral("line(4, 1550, %1, 6550, %1)").arg(b + 300)));
        EXPECT_TRUE(f.surface.pic.texts().contains(
            QStringLiteral("print(250, %1, 作成者：)").arg(b + 700)));
        EXPECT_TRUE(f.surface.pic.ops.contains(
            QStringLiteral("line(38, 1550, 700, 6550, %1, #ff0000)").arg(b)));
    }
}

TEST(ColourChart, RowTotalsRoundOnceAndTheGrandTotalAfterEveryAddition) {
    ChartFixture f;
    f.setRow(1, {16777216, 1, 1});
    f.drawColour();
    EXPECT_EQ(f.layout.bars.at(0).total, 16777218.f);
    EXPECT_EQ(f.layout.grandTotal, 16777216.f);
}

TEST(ColourChart, GrandTotalTextShowsSevenDigits) {
    ChartFixture f;
    f.boxes.setDescription(Description::Unit, QStringLiteral("kg"));
    f.setRow(1, {12345678});
    f.drawColour();
    EXPECT_TRUE(
        f.surface.pic.texts().contains(QStringLiteral("print(1550, 500, (総計：12345680kg))")));
}

struct Failure {
    const char* name;
    std::vector<std::vector<double>> rows;
    int error;
    bool totalDrawn;
};

class ColourChartFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(ColourChartFailure, IsReportedAndStopsTheChart) {
    const Failure& p = GetParam();
    ChartFixture f;
    for (std::size_t r = 0; r < p.rows.size(); ++r) {
        int c = 1;
        for (double v : p.rows[r])
            f.boxes.setValue(static_cast<int>(r) + 1, c++, QString::number(v, 'g', 17));
    }
    f.drawColour();
    ASSERT_TRUE(f.layout.failure) << p.name << ": no error";
    EXPECT_TRUE(f.layout.failure->failure.reason.contains(QStringLiteral("'%1'").arg(p.error)))
        << p.name;
    const bool totalDrawn = !f.surface.pic.only("print(1550, 500, (総計").isEmpty();
    EXPECT_EQ(totalDrawn, p.totalDrawn) << p.name;
    EXPECT_EQ(f.surface.pic.only("line(20").size(), 0) << p.name;  // no bar outlines
    EXPECT_EQ(f.surface.pic.only("line(38").size(), 12) << p.name; // only the legend keys
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColourChartFailure,
    ::testing::Values(Failure{"row total beyond a single", {{3e38, 3e38}}, 6, false},
                      Failure{"grand total beyond a single", {{3e38}, {3e38}}, 6, false},
                      Failure{"row total beyond a double", {{1.7e308, 1.7e308}}, 6, false},
                      Failure{"zero grand total under non-zero rows", {{}, {5}, {-5}}, 11, true},
                      Failure{"width beyond a single", {{1e36, -1e36, 1}}, 6, true}));

} // namespace
