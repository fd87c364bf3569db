#include "FakeDialogs.h"
#include "Printers.h"

#include "app/EntryWindow.h"
#include "app/GraphWindow.h"
#include "graph/ImageCanvas.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class GraphWindowTest : public ::testing::Test {
protected:
    void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static std::vector<GraphWindow*> graphWindows() {
        std::vector<GraphWindow*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form2 = qobject_cast<GraphWindow*>(widget))
                found.push_back(form2);
        return found;
    }
    static GraphWindow* graphWindow() {
        const auto found = graphWindows();
        EXPECT_LE(found.size(), 1u) << "never more than one graph window";
        return found.empty() ? nullptr : found.front();
    }
    void click(const char* name) {
        form.findChild<QAbstractButton*>(QString::fromUtf8(name))->click();
    }
    void type(const char* box, const char* text) {
        form.findChild<QLineEdit*>(QString::fromUtf8(box))->setText(QString::fromUtf8(text));
    }
    static void closeGraphWindow() {
        graphWindow()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static int canvasHeightPixels() { return graphWindow()->picture().image().height(); }

    FakeDialogs dialogs;
    EntryWindow form{dialogs};
};

TEST_F(GraphWindowTest, IsCreatedWithItsCreationGeometry) {
    EXPECT_EQ(graphWindow(), nullptr);
    click("Command1");
    GraphWindow* graph = graphWindow();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->windowTitle(), QStringLiteral("量率グラフ"));
    EXPECT_FALSE(graph->windowIcon().isNull());
    EXPECT_EQ(graph->width(), 458);
    auto* pic = graph->findChild<QWidget*>(QStringLiteral("Pic"));
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->pos(), QPoint(0, 0));
    EXPECT_EQ(pic->width(), 457);
}

TEST_F(GraphWindowTest, SizeOptionCreatesItHiddenAndSetsTheHeights) {
    struct Size {
        const char* option;
        int plotHeight, windowHeight, canvasPixels;
    };
    for (const Size& size : {Size{"Option2", 8000, 11000, 705}, Size{"Option3", 2000, 5000, 305},
                             Size{"Option1", 5000, 8000, 505}}) {
        click(size.option);
        GraphWindow* graph = graphWindow();
        ASSERT_NE(graph, nullptr);
        EXPECT_FALSE(graph->isVisible()) << size.option;
        EXPECT_EQ(form.plotGeometry().height, size.plotHeight) << size.option;
        EXPECT_EQ(graph->windowHeight(), size.windowHeight) << size.option;
        EXPECT_EQ(canvasHeightPixels(), size.canvasPixels) << size.option;
        // with the frame unknown, the client area is exactly as tall as the canvas
        EXPECT_EQ(graph->height(), size.canvasPixels) << size.option;
    }
}

TEST_F(GraphWindowTest, ChartShowsTheWindowAndReappliesOnlyTheStandardSize) {
    click("Option2");
    type("T1a", "5");
    click("Command1");
    GraphWindow* graph = graphWindow();
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->height(), 705) << "the chart keeps the tall heights";
    EXPECT_EQ(canvasHeightPixels(), 705);

    // Shown, the window's frame is known; outer heights are whole pixels.
    click("Option1");
    EXPECT_NEAR(graph->windowHeight(), 8000, 14);
    click("Command1");
    EXPECT_NEAR(graph->windowHeight(), 8200, 14);
    EXPECT_EQ(canvasHeightPixels(), 505);
    EXPECT_EQ(graphWindows().size(), 1u);
}

TEST_F(GraphWindowTest, SizeOptionClearsTheChartAndDrawsNothing) {
    type("T1a", "5");
    click("Command1");
    const ImageCanvas& canvas = graphWindow()->picture();
    EXPECT_EQ(canvas.image().pixel(200, 200) & 0xFFFFFF, 0xFF0000u);
    click("Option2");
    EXPECT_EQ(canvas.image().pixel(200, 200) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(canvas.image().pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(GraphWindowTest, ClosingDiscardsTheWindowButKeepsThePlotHeight) {
    click("Option2");
    click("Command1");
    closeGraphWindow();
    EXPECT_EQ(graphWindow(), nullptr);

    click("Command1");
    GraphWindow* graph = graphWindow();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(form.plotGeometry().height, 8000);
    EXPECT_EQ(canvasHeightPixels(), 513) << "creation height, not the tall one";
    EXPECT_EQ(graph->picture().image().pixel(100, 100) & 0xFFFFFF, 0xFFFFFFu);

    click("Option2");
    EXPECT_EQ(canvasHeightPixels(), 705);
}

TEST_F(GraphWindowTest, ChartFailuresAreReportedAndKeepWhatWasTyped) {
    form.show();
    QApplication::setActiveWindow(&form);
    type("T2c", "1e400");
    click("Command1");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("実行時エラー '6':\n\nオーバーフローしました。"));
    EXPECT_EQ(form.value(2, 3), QStringLiteral("1e400"));
    const auto* failed = form.findChild<QLineEdit*>(QStringLiteral("T2c"));
    EXPECT_EQ(QApplication::focusWidget(), failed) << "the caret goes to the box that failed";
    EXPECT_EQ(failed->selectedText(), QStringLiteral("1e400"));

    type("T2c", "");
    type("T1a", "5");
    type("T2a", "-5");
    click("Command1");
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_EQ(dialogs.errors[1], QStringLiteral("実行時エラー '11':\n\n0 で除算しました。"));
    EXPECT_TRUE(graphWindow()->isVisible());
    EXPECT_EQ(form.value(2, 1), QStringLiteral("-5"));

    type("T2a", "");
    click("Command1");
    EXPECT_EQ(dialogs.errors.size(), 2) << "the program goes on";
}

// A row whose values cancel out is told under the chart, below the canvas, until the next chart.
TEST_F(GraphWindowTest, TellsUnderTheChartWhatItDoesNotShow) {
    type("T1a", "5");
    type("T2a", "5");
    type("T2b", "-5");
    click("Command1");
    const auto* notice = graphWindow()->findChild<QWidget*>(QStringLiteral("notice"));
    EXPECT_EQ(graphWindow()->notice(), QStringLiteral("合計が 0 の行は描いていません: 2行目。"));
    EXPECT_TRUE(notice->isVisibleTo(graphWindow()));
    EXPECT_GE(notice->y(), canvasHeightPixels());
    type("T2b", "");
    click("Command1");
    EXPECT_TRUE(graphWindow()->notice().isEmpty());
    EXPECT_FALSE(notice->isVisibleTo(graphWindow()));
}

TEST_F(GraphWindowTest, ClosingTheEntryWindowClosesTheGraphWindow) {
    form.show();
    click("Command1");
    form.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(graphWindow(), nullptr);
}

} // namespace
