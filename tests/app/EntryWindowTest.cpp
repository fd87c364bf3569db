#include "FakeDialogs.h"
#include "Printers.h"

#include "app/EntryWindow.h"
#include "app/LeaderLine.h"
#include "app/ValueBox.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "graph/Twips.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

const QColor LightCyan(192, 255, 255);
const QColor LightOrange(255, 224, 192);

QString columnLetter(int c) {
    return QString(QChar(u'a' + c - 1));
}

class EntryWindowTest : public ::testing::Test {
protected:
    template <class T = QWidget> T* find(const QString& name) const {
        T* widget = form.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }

    FakeDialogs dialogs;
    EntryWindow form{dialogs};
};

TEST_F(EntryWindowTest, WindowCaptionClientAreaAndFonts) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tallyfold v22"));
    EXPECT_EQ(form.geometry(), twipsRect(2580, 2805, 10710, 8040));
    EXPECT_EQ(form.font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_FALSE(form.windowIcon().isNull());

    const QFont boxFont = box("T1a")->font();
    EXPECT_EQ(boxFont.family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(boxFont.pointSize(), 9);
    EXPECT_EQ(QFontInfo(boxFont).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(find<QPushButton>("Command4")->font().family(), QStringLiteral("IPAPGothic"));

    QLabel* credit = find<QLabel>("Label19");
    EXPECT_EQ(credit->font().family(), QStringLiteral("C059"));
    EXPECT_TRUE(QFontInfo(credit->font()).family().startsWith(QStringLiteral("C059")));
    EXPECT_EQ(credit->palette().color(QPalette::WindowText), QColor(0, 192, 192));
    EXPECT_EQ(credit->geometry(), twipsRect(9000, 7680, 1620, 300));
}

TEST_F(EntryWindowTest, ValueBoxesFollowTheGridRule) {
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c) {
            const QString name = QStringLiteral("T%1%2").arg(r).arg(columnLetter(c));
            QLineEdit* b = box(name);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->geometry(), twipsRect(1920 + 720 * (c - 1), 360 * r, 735, 270))
                << name.toStdString();
            EXPECT_EQ(b->palette().color(QPalette::Base), c >= 7 ? LightCyan : QColor(Qt::white));
            EXPECT_TRUE(b->alignment() & Qt::AlignRight);
            EXPECT_TRUE(b->text().isEmpty());
            EXPECT_FALSE(b->inputMethodQuery(Qt::ImEnabled).toBool()) << name.toStdString();
        }
    EXPECT_EQ(box("T3e")->accessibleName(), QStringLiteral("3行 E列"));
}

TEST_F(EntryWindowTest, ScreenReadersMeetAFrameAndValueBoxesNamedByTheirLabels) {
    form.setRowLabel(1, QStringLiteral("東京"));
    form.setColumnLabel(1, QStringLiteral(" 食品 "));
    form.setColumnLabel(2, QStringLiteral("衣料"));
    form.setColumnLabel(2, QString()); // named by place again
    const std::pair<const char*, const char*> names[] = {{"T1a", "東京 食品 (1行 A列)"},
                                                         {"T1b", "東京 (1行 B列)"},
                                                         {"T2a", "食品 (2行 A列)"},
                                                         {"T2b", "2行 B列"}};
    for (const auto& [name, expected] : names)
        EXPECT_EQ(box(name)->accessibleName(), QString::fromUtf8(expected)) << name;

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("量率グラフ — 新しい表"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tallyfold v22")) << "the caption stays";
    for (int i = 0; i < window->childCount(); ++i)
        EXPECT_EQ(qobject_cast<LeaderLine*>(window->child(i)->object()), nullptr) << i;
}

TEST_F(EntryWindowTest, LabelAndDescriptionBoxes) {
    struct Box {
        const char* name;
        QRect geometry;
        QColor base;
        Qt::Alignment alignment;
        const char* accessible;
    };
    const QColor white(Qt::white);
    const Box boxes[] = {
        {"Text2", twipsRect(120, 360, 1455, 270), LightOrange, Qt::AlignHCenter, "行ラベル 1"},
        {"Text11", twipsRect(120, 3600, 1455, 270), LightOrange, Qt::AlignHCenter, "行ラベル 10"},
        {"Text12", twipsRect(1920, 4080, 1095, 270), white, Qt::AlignHCenter, "列ラベル A"},
        {"Text17", twipsRect(7320, 4080, 1095, 270), white, Qt::AlignHCenter, "列ラベル F"},
        {"Text18", twipsRect(4080, 4440, 1095, 270), LightCyan, Qt::AlignHCenter, "列ラベル G"},
        {"Text21", twipsRect(7320, 4440, 1095, 270), LightCyan, Qt::AlignHCenter, "列ラベル J"},
        {"Text46", twipsRect(8400, 4440, 1095, 270), LightCyan, Qt::AlignHCenter, "列ラベル K"},
        {"Text47", twipsRect(9480, 4440, 1095, 270), LightCyan, Qt::AlignHCenter, "列ラベル L"},
        {"Text1", twipsRect(1320, 4920, 6135, 270), white, Qt::AlignLeft, "タイトル"},
        {"Text23", twipsRect(1320, 5280, 6135, 270), white, Qt::AlignLeft, "資料出典"},
        {"Text24", twipsRect(1320, 5640, 6135, 270), white, Qt::AlignLeft, "注"},
        {"Text22", twipsRect(9000, 5160, 1215, 270), white, Qt::AlignLeft, "単位"},
        {"Text25", twipsRect(9000, 5520, 1215, 270), white, Qt::AlignLeft, "作成者"},
    };
    for (const Box& expected : boxes) {
        QLineEdit* b = box(QString::fromUtf8(expected.name));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->geometry(), expected.geometry) << expected.name;
        EXPECT_EQ(b->palette().color(QPalette::Base), expected.base) << expected.name;
        EXPECT_TRUE(b->alignment() & expected.alignment) << expected.name;
        EXPECT_EQ(b->accessibleName(), QString::fromUtf8(expected.accessible)) << expected.name;
        EXPECT_TRUE(b->inputMethodQuery(Qt::ImEnabled).toBool()) << expected.name;
        EXPECT_EQ(b->text(),
                  expected.name == std::string("Text1") ? QStringLiteral("Title") : QString());
    }
}

TEST_F(EntryWindowTest, LabelsCaptionsAndPositions) {
    struct Label {
        const char* name;
        const char* text;
        QRect geometry;
    };
    const Label labels[] = {
        {"Label1", "1", twipsRect(1800, 360, 135, 255)},
        {"Label14", "6", twipsRect(1800, 2160, 135, 255)},
        {"Label18", "10", twipsRect(1710, 3600, 255, 255)},
        {"Label6", "A", twipsRect(2280, 120, 135, 255)},
        {"Label13", "H", twipsRect(7320, 120, 135, 255)},
        {"Label20", "I", twipsRect(8040, 120, 135, 255)},
        {"Label31", "K", twipsRect(9360, 120, 135, 255)},
        {"Label32", "L", twipsRect(10080, 120, 135, 255)},
        {"Label22", "行ラベル", twipsRect(480, 120, 855, 255)},
        {"Label23", "列ラベル", twipsRect(2160, 4440, 855, 255)},
        {"タイトル", "タイトル", twipsRect(600, 4950, 615, 255)},
        {"Label25", "資料出典", twipsRect(480, 5310, 735, 255)},
        {"Label26", "注", twipsRect(600, 5685, 615, 255)},
        {"Label24", "単位", twipsRect(8400, 5205, 375, 255)},
        {"Label27", "作成者", twipsRect(8340, 5565, 615, 255)},
        {"Label28", "標準", twipsRect(720, 360, 615, 255)},
        {"Label29", "縦長", twipsRect(720, 720, 375, 255)},
        {"Label30", "横長", twipsRect(705, 1065, 375, 255)},
    };
    for (const Label& expected : labels) {
        QLabel* label = find<QLabel>(QString::fromUtf8(expected.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.text)) << expected.name;
        EXPECT_EQ(label->geometry(), expected.geometry) << expected.name;
    }
    EXPECT_EQ(find<QLabel>("Label29")->toolTip(), QStringLiteral("tall"));
}

TEST_F(EntryWindowTest, ButtonsCaptionsTooltipsAndFrames) {
    struct Button {
        const char* name;
        const char* caption;
        const char* tooltip;
        const char* parent;
        QRect geometry;
    };
    const Button buttons[] = {
        {"Command1", "グラフを描く", "数値をもとにグラフを描く", "Form1",
         twipsRect(2040, 6360, 1215, 495)},
        {"Command11", "白黒グラフ", "パターンで塗りつぶす", "Frame1",
         twipsRect(240, 840, 1215, 495)},
        {"Command2", "グラフをコピー", "クリップボードへコピー", "Form1",
         twipsRect(3360, 6720, 1335, 375)},
        {"Command5", "数値を消す", "数値のみ消す", "Form1", twipsRect(4920, 6480, 1215, 375)},
        {"Command8", "全てを消す", "ラベルも数値も消す", "Frame1", twipsRect(3120, 840, 1215, 375)},
        {"Command9", "データの保存", "数値をテキストファイルに保存", "Form1",
         twipsRect(6360, 6480, 1215, 375)},
        {"Command10", "データの読込", "テキストファイルを読み込む", "Frame1",
         twipsRect(4560, 840, 1215, 375)},
        {"Command6", "グラフの保存", "グラフをBMPファイルに保存", "Frame1",
         twipsRect(6000, 360, 1215, 375)},
        {"Command7", "グラフの読込", "グラフを読み込む", "Frame1", twipsRect(6000, 840, 1215, 375)},
        {"Command3", "印刷", "グラフを印刷する", "Form1", twipsRect(9240, 6480, 1095, 375)},
        {"Command4", "終わる", "グラフも数値も消える", "Form1", twipsRect(9240, 6960, 1095, 375)},
    };
    for (const Button& expected : buttons) {
        auto* button = find<QPushButton>(QString::fromUtf8(expected.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(expected.caption)) << expected.name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected.tooltip)) << expected.name;
        EXPECT_EQ(button->parentWidget()->objectName(), QString::fromUtf8(expected.parent));
        EXPECT_EQ(button->geometry(), expected.geometry) << expected.name;
    }
    EXPECT_EQ(find<QGroupBox>("Frame1")->geometry(), twipsRect(1800, 6120, 8775, 1455));
    EXPECT_TRUE(find<QGroupBox>("Frame1")->title().isEmpty());
    EXPECT_EQ(find<QGroupBox>("Frame2")->geometry(), twipsRect(120, 6120, 1440, 1455));
    EXPECT_EQ(find<QGroupBox>("Frame2")->title(), QStringLiteral("グラフのサイズ"));

    // The window's own buttons over Frame1 stay on top of it and take the clicks.
    form.show();
    for (const char* name : {"Command2", "Command5", "Command9", "Command3", "Command4"}) {
        auto* button = find<QPushButton>(QString::fromUtf8(name));
        EXPECT_EQ(form.childAt(button->geometry().center()), button) << name;
    }
}

TEST_F(EntryWindowTest, SizeOptionsStartWithStandard) {
    const QRect geometries[] = {twipsRect(285, 360, 255, 180), twipsRect(285, 675, 255, 255),
                                twipsRect(285, 1020, 255, 255)};
    for (int i = 1; i <= 3; ++i) {
        auto* option = find<QRadioButton>(QStringLiteral("Option%1").arg(i));
        EXPECT_EQ(option->text(), QStringLiteral("Option%1").arg(i));
        EXPECT_EQ(option->geometry(), geometries[i - 1]);
        EXPECT_EQ(option->parentWidget()->objectName(), QStringLiteral("Frame2"));
        EXPECT_EQ(option->isChecked(), i == 1);
    }
    EXPECT_EQ(form.selectedSize(), GraphSize::Standard);
}

TEST_F(EntryWindowTest, LeaderLinesJoinEachColumnToItsLabelBox) {
    struct Line {
        int number;
        int fromX, toX, toY;
        QColor colour;
    };
    const QColor white(Qt::white);
    const Line lines[] = {{1, 2280, 2280, 4080, white},
                          {11, 5880, 7920, 4080, white},
                          {12, 6600, 4560, 4440, LightCyan},
                          {6, 10200, 9960, 4440, LightCyan}};
    for (const Line& expected : lines) {
        auto* line = find<LeaderLine>(QStringLiteral("Line%1").arg(expected.number));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->from(), QPoint(toPixels(expected.fromX), toPixels(3840)));
        EXPECT_EQ(line->to(), QPoint(toPixels(expected.toX), toPixels(expected.toY)));
        EXPECT_EQ(line->colour(), expected.colour);
    }
    EXPECT_EQ(form.findChildren<LeaderLine*>().size(), 12);

    // Lines that cross boxes (G to J pass C to F and row 10) lie behind them.
    const QObjectList stack = form.children(); // bottom to top
    int crossings = 0;
    for (const auto* line : form.findChildren<LeaderLine*>())
        for (const auto* box : form.findChildren<QLineEdit*>())
            if (box->geometry().intersects(line->geometry())) {
                ++crossings;
                EXPECT_LT(stack.indexOf(line), stack.indexOf(box))
                    << line->objectName().toStdString() << " over "
                    << box->objectName().toStdString();
            }
    EXPECT_GT(crossings, 4);
}

TEST_F(EntryWindowTest, TabRunsAlongTheRowsThenLabelsThenDescriptions) {
    QStringList expected;
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c)
            expected << QStringLiteral("T%1%2").arg(r).arg(columnLetter(c));
    for (int n = 2; n <= 21; ++n)
        expected << QStringLiteral("Text%1").arg(n);
    expected << "Text46"
             << "Text47"
             << "Text1"
             << "Text23"
             << "Text24"
             << "Text22"
             << "Text25"
             << "Option1"
             << "Command1"
             << "Command2"
             << "Command5"
             << "Command8"
             << "Command9"
             << "Command10"
             << "Command6"
             << "Command7"
             << "Command3"
             << "Command4"
             << "Command11";

    form.show();
    QApplication::setActiveWindow(&form);
    QWidget* widget = box("T1a");
    EXPECT_EQ(QApplication::focusWidget(), widget);
    QStringList order;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible() ||
               (qobject_cast<QRadioButton*>(widget) &&
                !qobject_cast<QRadioButton*>(widget)->isChecked()))
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, expected);
}

TEST_F(EntryWindowTest, BoxesFeedTheDatasetThroughTheEntryInterface) {
    box("T10l")->setText(QStringLiteral("12kg"));
    box("Text47")->setText(QStringLiteral("最後"));
    box("Text11")->setText(QStringLiteral(" 十 "));
    EXPECT_EQ(form.value(10, 12), QStringLiteral("12kg"));
    EXPECT_EQ(form.columnLabel(12), QStringLiteral("最後"));
    EXPECT_EQ(form.rowLabel(10), QStringLiteral(" 十 "));
    EXPECT_EQ(form.description(Description::Title), QStringLiteral("Title"));
    form.setDescription(Description::Author, QStringLiteral("me"));
    EXPECT_EQ(box("Text25")->text(), QStringLiteral("me"));

    const QString longText(100000, QChar(u'長')); // the boxes have no length limit
    form.setRowLabel(1, longText);
    form.setValue(1, 1, longText);
    EXPECT_EQ(form.rowLabel(1), longText);
    EXPECT_EQ(form.value(1, 1), longText);
}

// A value typed by hand reads as a pasted one would; a text that is no number is marked while the
// box holds it, and the chart draws its leading number.
TEST(ValueBoxTest, TypedDisplayFormsReadAsPastedOnesAndOtherTextsAreMarked) {
    const struct {
        const char* typed;
        double drawn;
        bool marked;
    } cases[] = {{"1,234", 1234, false},  {"１２３", 123, false}, {"▲100", -100, false},
                 {"¥1,000", 1000, false}, {"(50)", -50, false},   {"12kg", 12, true},
                 {"1,23", 1, true},       {"東京", 0, true},      {"", 0, false}};
    FakeDialogs dialogs;
    EntryWindow form(dialogs);
    const auto* box = form.findChild<ValueBox*>(QStringLiteral("T1a"));
    const QPalette plain = box->palette();
    for (const auto& c : cases) {
        form.setValue(1, 1, QString::fromUtf8(c.typed));
        DataTable table;
        inputData(form.contents(), table);
        EXPECT_EQ(table.number(1, 1), c.drawn) << c.typed;
        EXPECT_EQ(box->isMarked(), c.marked) << c.typed;
        EXPECT_EQ(box->palette() == plain, !c.marked) << c.typed;
        EXPECT_EQ(
            box->toolTip().contains(QStringLiteral("グラフでは %1 として描きます").arg(c.drawn)),
            c.marked)
            << c.typed;
    }
}

} // namespace
