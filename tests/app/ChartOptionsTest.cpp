#include "FakeDialogs.h"
#include "Printers.h"

#include "app/ChartOptionsMenu.h"
#include "app/DataTableWindow.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/PictureBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The chart's context menu, its options kept between sessions and redrawn at once, and the data
// table that follows the chart.
class ChartOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        forgetSettings();
        form.setRowLabel(1, QStringLiteral("東京"));
        form.setRowLabel(2, QStringLiteral("大阪"));
        form.setColumnLabel(1, QStringLiteral("食品"));
        form.setColumnLabel(3, QStringLiteral("R&D"));
        for (const auto& [row, column, value] :
             {std::tuple{1, 1, "0.1"}, {1, 2, "30"}, {2, 1, "90"}, {2, 2, "1200"}})
            form.setValue(row, column, QString::fromLatin1(value));
        draw("Command1");
    }
    void TearDown() override {
        closeMenus();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forgetSettings();
    }
    static void forgetSettings() {
        QSettings(QStringLiteral("tallyfold"), QStringLiteral("tallyfold")).clear();
    }

    void draw(const char* command) {
        form.findChild<QAbstractButton*>(QString::fromLatin1(command))->click();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<Form2*>(widget))
                graph = window;
        ASSERT_NE(graph, nullptr);
    }
    void closeMenus() {
        if (graph)
            for (QMenu* menu : graph->findChildren<QMenu*>(QStringLiteral("chart-menu")))
                menu->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The menu as Shift+F10 on the chart opens it.
    QMenu* openMenu() {
        closeMenus();
        QTest::keyClick(&graph->pictureBox(), Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = graph->findChild<QMenu*>(QStringLiteral("chart-menu"));
        EXPECT_NE(menu, nullptr);
        return menu;
    }
    QAction* item(const char* name) {
        auto* action = openMenu()->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    const ChartLayout& shown() { return graph->pictureBox().reading()->layout(); }
    DataTableWindow* dataTable() {
        item("show-data-table")->trigger();
        return graph->findChild<DataTableWindow*>();
    }
    static QString cell(const ChartTableModel& model, int row, int column) {
        return model.index(row, column).data().toString();
    }

    FakeDialogs dialogs;
    Form1 form{dialogs};
    Form2* graph = nullptr;
};

TEST_F(ChartOptionsTest, MenuOffersTheOptionsAndAnOrderForEachLabelledColumn) {
    QMenu* menu = openMenu();
    QStringList names;
    for (QAction* action : menu->actions())
        names << action->objectName();
    EXPECT_EQ(names, QStringList({"show-values", "show-percent", "show-totals", "sort", "",
                                  "show-data-table"}));
    QStringList orders;
    for (QAction* action : menu->findChild<QMenu*>(QStringLiteral("sort-menu"))->actions())
        orders << action->objectName() + u':' + action->text() +
                      (action->isChecked() ? QStringLiteral(" *") : QString());
    EXPECT_EQ(orders, QStringList({"sort-input:入力順(&I) *", "sort-total:合計の大きい順(&T)",
                                   "sort-column-1:食品の割合の大きい順",
                                   "sort-column-3:R&&Dの割合の大きい順"}));

    // The right button opens it too.
    closeMenus();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(&graph->pictureBox(), &click);
    EXPECT_NE(graph->findChild<QMenu*>(QStringLiteral("chart-menu")), nullptr);
}

TEST_F(ChartOptionsTest, EachItemRedrawsTheChartAndIsKeptForTheNextSession) {
    struct Step {
        const char* item;
        ChartOptions expected;
        bool checked = true; // the item, when the menu opens again
    };
    const Step steps[] = {
        {"show-values", {.values = true}},
        {"show-percent", {.values = true, .percent = true}},
        {"show-totals", {.values = true, .percent = true, .totals = true}},
        {"show-values", {.percent = true, .totals = true}, false},
        {"sort-total", {.percent = true, .totals = true, .order = BarOrder::Total}},
        {"sort-column-3",
         {.percent = true, .totals = true, .order = BarOrder::ColumnShare, .sortColumn = 3}},
        {"sort-input", {.percent = true, .totals = true, .sortColumn = 3}},
    };
    for (const Step& step : steps) {
        item(step.item)->trigger();
        EXPECT_EQ(shown().options, step.expected) << step.item;
        EXPECT_EQ(savedChartOptions(), step.expected) << step.item;
        EXPECT_EQ(item(step.item)->isChecked(), step.checked) << step.item;
    }
    FakeDialogs laterDialogs;
    const Form1 later(laterDialogs);
    EXPECT_EQ(later.chartOptions(), steps[std::size(steps) - 1].expected);
}

TEST_F(ChartOptionsTest, RedrawKeepsTheKindAndWithoutAChartOnlyTheOptionChanges) {
    draw("Command11");
    item("show-percent")->trigger();
    EXPECT_EQ(shown().kind, ChartKind::Pattern);
    EXPECT_TRUE(shown().options.percent);

    draw("Option2"); // clears the canvas
    item("show-totals")->trigger();
    EXPECT_EQ(graph->pictureBox().reading(), std::nullopt) << "nothing drawn";
    EXPECT_TRUE(form.chartOptions().totals);
}

TEST_F(ChartOptionsTest, DataTableHoldsTheBarsInTheChartsOrderAndFollowsIt) {
    DataTableWindow* table = dataTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->windowTitle(), QStringLiteral("データ表"));
    EXPECT_EQ(dataTable(), table) << "one at a time";
    const ChartTableModel& model = table->model();
    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 5) << "A to C, total, share";
    QStringList headers;
    for (int c = 0; c < model.columnCount(); ++c)
        headers << model.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"食品", "B", "R&D", "合計", "全体の割合"}));
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("東京"));
    EXPECT_EQ(cell(model, 1, 1), QStringLiteral("1,200"));
    EXPECT_EQ(cell(model, 1, 3), QStringLiteral("1,290"));
    EXPECT_EQ(cell(model, 0, 3), QStringLiteral("30.1")) << "a float's digits";
    EXPECT_EQ(cell(model, 0, 4), QStringLiteral("2.3%"));

    table->findChild<QAbstractButton*>(QStringLiteral("table-shares"))->click();
    EXPECT_EQ(cell(model, 0, 1), QStringLiteral("100%"));
    EXPECT_EQ(cell(model, 1, 0), QStringLiteral("7.0%"));
    EXPECT_EQ(cell(model, 0, 3), QStringLiteral("30.1")) << "the total stays a value";

    item("sort-total")->trigger();
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(),
              QString(shown().bars.front().label.text))
        << "the chart's order";
    draw("Command8"); // clears everything
    EXPECT_EQ(model.rowCount(), 0);

    const QPointer<DataTableWindow> open = table;
    graph->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull()) << "closed with the graph window";
}

TEST_F(ChartOptionsTest, CtrlCCopiesTheSelectionOrTheWholeTableAsTextAndHtml) {
    DataTableWindow* table = dataTable();
    auto* view = table->findChild<QTableView*>();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_EQ(copied->text(), QStringLiteral("\t食品\tB\tR&D\t合計\t全体の割合\n"
                                             "東京\t0.1\t30\t0\t30.1\t2.3%\n"
                                             "大阪\t90\t1,200\t0\t1,290\t98%\n"));
    EXPECT_TRUE(copied->html().contains(QStringLiteral("<td>1,290</td>")))
        << copied->html().toStdString();

    view->selectionModel()->select(table->model().index(1, 0), QItemSelectionModel::Select);
    view->selectionModel()->select(table->model().index(0, 1), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->mimeData()->text(), QStringLiteral("\t30\n90\t\n"));
}

} // namespace
