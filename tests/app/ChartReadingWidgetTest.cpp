#include "FakeDialogs.h"
#include "Printers.h"

#include "app/ChartView.h"
#include "app/EntryWindow.h"
#include "app/GraphWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The chart in the graph window answers the pointer, the keyboard and screen readers.
class ChartReadingWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.setRowLabel(1, QStringLiteral("東京"));
        form.setColumnLabel(1, QStringLiteral("食品"));
        form.setDescription(Description::Title, QStringLiteral("売上"));
        form.setDescription(Description::Unit, QStringLiteral("百万円"));
        form.setValue(1, 1, QStringLiteral("30"));
        form.setValue(1, 2, QStringLiteral("70"));
        form.setValue(2, 1, QStringLiteral("100"));
        click("Command1");
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* graph = qobject_cast<GraphWindow*>(widget))
                pic = &graph->chartView();
        ASSERT_NE(pic, nullptr);
    }
    void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void click(const char* name) {
        form.findChild<QAbstractButton*>(QString::fromUtf8(name))->click();
    }

    FakeDialogs dialogs;
    EntryWindow form{dialogs};
    ChartView* pic = nullptr;
};

TEST_F(ChartReadingWidgetTest, HoverTellsSegmentsLabelsAndKeysAndNothingElsewhere) {
    // Plot from (1550, 700) twips; row 1 is the upper half, its first segment 30 %.
    EXPECT_EQ(pic->tooltipAt({110, 60}),
              QStringLiteral("東京 ・ 食品: 30 百万円 (行の 30%・全体の 15%)"));
    EXPECT_EQ(pic->tooltipAt({20, 50}), QStringLiteral("東京: 計 100 百万円 (全体の 50%)"));
    EXPECT_EQ(pic->tooltipAt({107, 430}), QStringLiteral("食品"));
    EXPECT_EQ(pic->tooltipAt({5, 300}), QString());
    EXPECT_EQ(pic->tooltipAt({445, 60}), QString()) << "right of the plot area";

    click("Option2"); // a size option clears the canvas, and what was read with it
    EXPECT_EQ(pic->reading(), std::nullopt);
    EXPECT_EQ(pic->tooltipAt({110, 60}), QString());
}

TEST_F(ChartReadingWidgetTest, ArrowsMoveAHighlightThatThePictureNeverHolds) {
    const QImage before = pic->canvas().image().copy();
    pic->setFocus();
    QTest::keyClick(pic, Qt::Key_Right);
    ASSERT_TRUE(pic->highlight());
    EXPECT_EQ(pic->highlight()->item, 0);
    QTest::keyClick(pic, Qt::Key_Right);
    EXPECT_EQ(pic->highlight()->item, 1);
    QTest::keyClick(pic, Qt::Key_Down);
    EXPECT_EQ(pic->highlight()->bar, 1);
    EXPECT_EQ(pic->highlight()->item, 0);
    EXPECT_EQ(pic->canvas().image(), before) << "the picture saved, copied and printed";
    EXPECT_NE(pic->grab().toImage().convertToFormat(before.format()), before)
        << "the window shows the highlight";
}

TEST_F(ChartReadingWidgetTest, ScreenReadersMeetAChartWithItsTitleSummaryAndHighlight) {
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(pic);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("売上"));
    EXPECT_TRUE(
        chart->text(QAccessible::Description)
            .startsWith(QStringLiteral("総計 200 百万円。東京: 計 100 百万円、全体の 50%。")))
        << chart->text(QAccessible::Description).toStdString();
    EXPECT_EQ(chart->focusChild(), nullptr);

    pic->setFocus();
    QTest::keyClick(pic, Qt::Key_Right);
    QAccessibleInterface* segment = chart->focusChild();
    ASSERT_NE(segment, nullptr);
    EXPECT_EQ(segment->text(QAccessible::Name),
              QStringLiteral("東京 ・ 食品: 30 百万円 (行の 30%・全体の 15%)"));
    EXPECT_EQ(segment->parent(), chart);
}

TEST_F(ChartReadingWidgetTest, EveryPartIsAChildAndTheHighlightMovesFromChildToChild) {
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(pic);
    // Bar by bar its label and its segments, the keys, and the notice; shares aside.
    QStringList names;
    for (int i = 0; i < chart->childCount(); ++i)
        names << chart->child(i)->text(QAccessible::Name).section(QStringLiteral(" ("), 0, 0);
    EXPECT_EQ(names.mid(0, 5),
              QStringList({QStringLiteral("東京: 計 100 百万円"),
                           QStringLiteral("東京 ・ 食品: 30 百万円"),
                           QStringLiteral("東京 ・ B列: 70 百万円"),
                           QStringLiteral("2行 ・ 食品: 100 百万円"), QStringLiteral("食品")}));
    EXPECT_EQ(chart->childCount(), 4 + 12 + 1);
    const QRect first = chart->child(1)->rect();
    EXPECT_EQ(chart->childAt(first.center().x(), first.center().y()), chart->child(1));

    pic->setFocus();
    for (int i = 0; i < 3; ++i) // the third stays at the bar's end
        QTest::keyClick(pic, Qt::Key_Right);
    EXPECT_EQ(chart->focusChild(), chart->child(2));
    click("Command1"); // drawn again: the highlight stays on its segment, a new child
    EXPECT_TRUE(chart->focusChild()->text(QAccessible::Name).startsWith(names.at(2)));
    EXPECT_EQ(pic->highlight(), (ChartPlace{ChartPlace::Kind::Segment, 0, 1}));

    form.setDescription(Description::Title, QString());
    click("Command1");
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("量率グラフ"));
}

} // namespace
