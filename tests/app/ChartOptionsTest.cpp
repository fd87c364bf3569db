#include "FakeDialogs.h"
#include "PdfPage.h"
#include "Printers.h"

#include "app/ChartOptionsMenu.h"
#include "app/ChartView.h"
#include "app/DataTableWindow.h"
#include "app/EntryWindow.h"
#include "app/GraphWindow.h"
#include "io/ChartSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The chart's context menu, its options kept and redrawn at once, and the data table.
class ChartOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.setRowLabel(1, QStringLiteral("東京"));
        form.setColumnLabel(1, QStringLiteral("食品"));
        form.setColumnLabel(3, QStringLiteral("R&D"));
        for (const auto& [row, column, value] :
             {std::tuple{1, 1, "0.1"}, {1, 2, "30"}, {2, 1, "90"}, {2, 2, "1200"}})
            form.setValue(row, column, QString::fromLatin1(value));
        click("Command1");
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<GraphWindow*>(widget))
                graph = window;
        ASSERT_NE(graph, nullptr);
    }
    void TearDown() override {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSettings(QStringLiteral("tallyfold"), QStringLiteral("tallyfold")).clear();
    }
    void click(const char* name) {
        form.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    }
    // An item of the menu as Shift+F10 on the chart opens it.
    QAction* item(const char* name) {
        for (QMenu* old : graph->findChildren<QMenu*>(QStringLiteral("chart-menu")))
            delete old;
        QTest::keyClick(&graph->chartView(), Qt::Key_F10, Qt::ShiftModifier);
        auto* action = graph->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    const ChartLayout& shown() { return graph->chartView().reading()->layout(); }
    DataTableWindow* dataTable() {
        item("show-data-table")->trigger();
        return graph->findChild<DataTableWindow*>();
    }

    FakeDialogs dialogs;
    EntryWindow form{dialogs};
    GraphWindow* graph = nullptr;
};

TEST_F(ChartOptionsTest, MenuOffersTheOptionsAndAnOrderForEachLabelledColumn) {
    QStringList names;
    for (QAction* action : item("sort")->menu()->actions())
        names << action->objectName() + u':' + action->text() + (action->isChecked() ? "*" : "");
    EXPECT_EQ(names, QStringList({"sort-input:入力順(&I)*", "sort-total:合計の大きい順(&T)",
                                  "sort-column-1:食品の割合の大きい順",
                                  "sort-column-3:R&&Dの割合の大きい順"}));
    QContextMenuEvent rightButton(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(&graph->chartView(), &rightButton);
    EXPECT_EQ(graph->findChildren<QMenu*>(QStringLiteral("chart-menu")).size(), 2);
}

TEST_F(ChartOptionsTest, EachItemRedrawsTheChartAndIsKeptForTheNextSession) {
    struct Step {
        const char* item;
        ChartOptions expected;
        bool checked = true; // the item, when the menu opens again
    };
    const Step steps[] = {
        {"show-values", {.values = true}},
        {"show-totals", {.values = true, .totals = true}},
        {"show-values", {.totals = true}, false},
        {"sort-column-3", {.totals = true, .order = BarOrder::ColumnShare, .sortColumn = 3}},
        {"sort-total", {.totals = true, .order = BarOrder::Total, .sortColumn = 3}},
        {"palette-cud",
         {.totals = true, .order = BarOrder::Total, .sortColumn = 3, .palette = Palette::Cud}},
    };
    for (const Step& step : steps) {
        item(step.item)->trigger();
        EXPECT_EQ(shown().options, step.expected) << step.item;
        EXPECT_EQ(item(step.item)->isChecked(), step.checked) << step.item;
    }
    FakeDialogs laterDialogs;
    EXPECT_EQ(EntryWindow(laterDialogs).chartOptions(), steps[std::size(steps) - 1].expected);

    click("Command11");
    item("show-percent")->trigger();
    EXPECT_EQ(shown().kind, ChartKind::Pattern) << "redrawn as it was drawn";
    click("Option2"); // clears the canvas: the option waits for the next chart
    item("show-values")->trigger();
    EXPECT_EQ(graph->chartView().reading(), std::nullopt);
    EXPECT_EQ(savedChartOptions().values, true);
}

TEST_F(ChartOptionsTest, ColumnColoursAreChosenFromThePaletteMenuOrTheirKey) {
    item("colour-column-1")->trigger(); // cancelled
    EXPECT_EQ(shown().options.palette, Palette::Standard);
    dialogs.colourAnswer = qRgb(10, 20, 30);
    item("colour-column-1")->trigger();
    EXPECT_EQ(shown().keys[0].fill.colour, qRgb(10, 20, 30));
    EXPECT_TRUE(item("palette-user")->isChecked());

    const QPoint key = graph->chartView().placeRect({ChartPlace::Kind::Key, 0, 2}).center();
    QContextMenuEvent rightButton(QContextMenuEvent::Mouse, key, key);
    QApplication::sendEvent(&graph->chartView(), &rightButton);
    auto* menu = graph->findChild<QMenu*>(QStringLiteral("key-menu"));
    ASSERT_NE(menu, nullptr);
    dialogs.colourAnswer = qRgb(40, 50, 60);
    menu->actions().front()->trigger();
    EXPECT_EQ(dialogs.colourTitles, QStringList({"「食品」の色", "「食品」の色", "「R&D」の色"}));
    EXPECT_EQ(shown().keys[2].fill.colour, qRgb(40, 50, 60));
    EXPECT_EQ(savedChartOptions().userColours[0], qRgb(10, 20, 30));
}

TEST_F(ChartOptionsTest, ResolutionChosenInTheMenuDrawsSavedBitmapsOnly) {
    item("dpi-300")->trigger();
    EXPECT_EQ(savedPictureSettings().dpi, 300);
    QTemporaryDir dir;
    for (const char* name : {"chart.png", "chart.bmp"}) {
        dialogs.fileNames << dir.filePath(QString::fromLatin1(name));
        click("Command6");
    }
    EXPECT_EQ(QImage(dir.filePath("chart.png")).size(), QSize(1429, 1579));
    EXPECT_EQ(QImage(dir.filePath("chart.bmp")).dotsPerMeterX(), 11811);
    EXPECT_EQ(graph->picture().pixelSize(), QSize(457, 505)) << "the screen stays";
}

TEST_F(ChartOptionsTest, PageSetupChosenInTheMenuReachesThePreviewThePrintAndTheSavedPdf) {
    EXPECT_FALSE(item("orientation")->isEnabled()) << "waits for a paper";
    for (const char* name : {"paper-b5", "orientation-landscape", "placement-fit"})
        item(name)->trigger();
    EXPECT_EQ(savedPictureSettings().page,
              (PageSetup{Paper::B5, PageOrientation::Landscape, ChartPlacement::Fit}));

    QTemporaryDir dir;
    dialogs.previewPath = dir.filePath("preview.pdf");
    item("print-preview")->trigger();
    dialogs.pdfPath = dir.filePath("printed.pdf");
    click("Command3");
    dialogs.fileNames << dir.filePath("saved.pdf");
    click("Command6");
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    const auto [savedSize, savedBars] = pdfPage(dir.filePath("saved.pdf"));
    EXPECT_TRUE(savedSize.startsWith("729 x 516 pts")) << savedSize.toStdString();
    EXPECT_GT(savedBars.height(), barsIn(graph->picture().image()).height() * 1.2) << "fitted";
    for (const char* name : {"preview.pdf", "printed.pdf"}) {
        const auto [size, bars] = pdfPage(dir.filePath(name));
        EXPECT_EQ(size, savedSize) << name;
        EXPECT_LE((bars.topLeft() - savedBars.topLeft()).manhattanLength(), 3) << name;
        EXPECT_NEAR(bars.height(), savedBars.height(), 2) << name;
    }
}

TEST_F(ChartOptionsTest, DataTableFollowsTheChartAndSwitchesToShares) {
    DataTableWindow* table = dataTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(dataTable(), table) << "one at a time";
    const ChartTableModel& model = table->model(); // its cells and headers: see the copy
    table->findChild<QAbstractButton*>(QStringLiteral("table-shares"))->click();
    EXPECT_EQ(model.index(1, 0).data(), QStringLiteral("7.0%"));
    EXPECT_EQ(model.index(1, 3).data(), QStringLiteral("1,290")) << "the total stays a value";
    EXPECT_EQ(model.index(0, 0).data(Qt::AccessibleDescriptionRole), QStringLiteral("東京、食品"));

    item("sort-total")->trigger();
    // The unlabelled row 2 has the larger total: on top of the chart and first in the table.
    EXPECT_EQ(shown().bars.front().row, 2);
    EXPECT_EQ(model.headerData(0, Qt::Vertical), QStringLiteral("2行"));
    click("Command8"); // clears everything
    EXPECT_EQ(model.rowCount(), 0);
    const QPointer<DataTableWindow> open = table;
    graph->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull()) << "closed with the graph window";
}

// A window narrower than its columns hides the last ones behind a scroll bar.
TEST_F(ChartOptionsTest, DataTableOpensAsWideAsItsColumnsUpToTheScreen) {
    const int screenWidth = QApplication::primaryScreen()->availableGeometry().width();
    for (const int columns : {7, 12}) {
        SCOPED_TRACE(columns);
        for (int c = 1; c <= columns; ++c) {
            form.setColumnLabel(c, QStringLiteral("列の見出し%1").arg(c));
            form.setValue(1, c, QStringLiteral("1234567"));
        }
        click("Command1");
        DataTableWindow* table = dataTable();
        auto* view = table->findChild<QTableView*>();
        if (table->width() < screenWidth) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
            EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0) << table->width();
        } else {
            EXPECT_EQ(table->width(), screenWidth);
        }
        delete table; // the next opens anew
    }
}

TEST_F(ChartOptionsTest, CtrlCCopiesTheSelectionOrTheWholeTableAsTextAndHtml) {
    DataTableWindow* table = dataTable();
    auto* view = table->findChild<QTableView*>();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    // Columns up to C, the last labelled; a float total with its 7 digits; row 2 by its number.
    EXPECT_EQ(copied->text(), QStringLiteral("\t食品\tB\tR&D\t合計\t全体の割合\n"
                                             "東京\t0.1\t30\t0\t30.1\t2.3%\n"
                                             "2行\t90\t1,200\t0\t1,290\t98%\n"));
    EXPECT_TRUE(copied->html().contains(QStringLiteral("<td>1,290</td>")));

    view->selectionModel()->select(table->model().index(1, 0), QItemSelectionModel::Select);
    view->selectionModel()->select(table->model().index(0, 1), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->mimeData()->text(), QStringLiteral("\t30\n90\t\n"));
}

} // namespace
