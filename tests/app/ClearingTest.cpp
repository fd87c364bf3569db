#include "FakeDialogs.h"
#include "Printers.h"

#include "app/EntryWindow.h"
#include "app/GraphWindow.h"
#include "graph/ImageCanvas.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class ClearingTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int r = 1; r <= 10; ++r) {
            form.setRowLabel(r, QStringLiteral("行%1").arg(r));
            for (int c = 1; c <= 12; ++c)
                form.setValue(r, c, QString::number(r + c));
        }
        for (int c = 1; c <= 12; ++c)
            form.setColumnLabel(c, QStringLiteral("列%1").arg(c));
        for (Description which : AllDescriptions)
            form.setDescription(which, QStringLiteral("text"));
    }
    void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void click(const char* name) { form.findChild<QPushButton*>(QString::fromUtf8(name))->click(); }
    static GraphWindow* graphWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form2 = qobject_cast<GraphWindow*>(widget))
                return form2;
        return nullptr;
    }
    static QRgb pixel(int x, int y) {
        return graphWindow()->picture().image().pixel(x, y) & 0xFFFFFF;
    }
    int allBoxesEmpty() const {
        int filled = 0;
        for (QLineEdit* box : form.findChildren<QLineEdit*>())
            filled += !box->text().isEmpty();
        return filled == 0;
    }

    FakeDialogs dialogs;
    EntryWindow form{dialogs};
};

TEST_F(ClearingTest, ClearNumbersKeepsLabelsAndTheChart) {
    click("Command1");
    click("Command5");
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c)
            EXPECT_TRUE(form.value(r, c).isEmpty());
    EXPECT_EQ(form.rowLabel(3), QStringLiteral("行3"));
    EXPECT_EQ(form.columnLabel(12), QStringLiteral("列12"));
    EXPECT_EQ(form.description(Description::Title), QStringLiteral("text"));
    EXPECT_EQ(pixel(107, 57), 0xFF0000u) << "the chart stays";
}

TEST_F(ClearingTest, ClearAllEmptiesEveryBoxAndTheCanvas) {
    click("Command1");
    click("Command8");
    EXPECT_TRUE(allBoxesEmpty());
    EXPECT_TRUE(form.description(Description::Title).isEmpty());
    EXPECT_EQ(pixel(107, 57), 0xFFFFFFu) << "cleared to the background colour";
    EXPECT_TRUE(graphWindow()->isVisible());
}

TEST_F(ClearingTest, ClearAllCreatesTheGraphWindowHidden) {
    EXPECT_EQ(graphWindow(), nullptr);
    click("Command8");
    ASSERT_NE(graphWindow(), nullptr);
    EXPECT_FALSE(graphWindow()->isVisible());
    EXPECT_EQ(pixel(10, 10), 0xE0E0E0u);
}

TEST_F(ClearingTest, PatternLineWidthCarriesOverUntilTheWindowIsClosed) {
    const auto scaleLineThickness = [] {
        int n = 0;
        for (int y = 395; y <= 405; ++y)
            n += pixel(200, y) == 0;
        return n;
    };
    click("Command11");
    EXPECT_EQ(scaleLineThickness(), 1);
    click("Command11");
    EXPECT_EQ(scaleLineThickness(), 2);
    graphWindow()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("Command11");
    EXPECT_EQ(scaleLineThickness(), 1) << "a new canvas starts at width 1";
    EXPECT_EQ(pixel(107, 57), 0x808080u) << "column 1 is solid grey";
}

} // namespace
