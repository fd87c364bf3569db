#include "FakeDialogs.h"
#include "Printers.h"

#include "app/EntryWindow.h"
#include "app/TableEditing.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

namespace {

class TableEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::setActiveWindow(&form);
    }
    QLineEdit* box(const char* name) { return form.findChild<QLineEdit*>(QString::fromUtf8(name)); }
    void click(const char* name) { form.findChild<QPushButton*>(QString::fromUtf8(name))->click(); }
    void key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        widget->setFocus();
        QTest::keyClick(widget, key, modifiers);
    }
    void pasteInto(const char* name, const QString& clipboard) {
        QApplication::clipboard()->setText(clipboard);
        key(box(name), Qt::Key_V, Qt::ControlModifier);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    // On a box or a button, which takes the focus: text typed (a block for Ctrl+V to paste, a
    // space to press a button), then a key with Ctrl; A1 and B1 after.
    struct Step {
        const char* widget;
        const char* text;
        Qt::Key ctrlKey;
        const char* a1;
        const char* b1;
    };
    static constexpr Qt::Key None = Qt::Key_unknown;
    static constexpr const char* Press = " ";
    void play(const std::vector<Step>& steps) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const Step& step = steps[i];
            auto* widget = form.findChild<QWidget*>(QString::fromUtf8(step.widget));
            widget->setFocus();
            if (step.ctrlKey == Qt::Key_V)
                QApplication::clipboard()->setText(QString::fromUtf8(step.text));
            else
                QTest::keyClicks(widget, QString::fromUtf8(step.text));
            if (step.ctrlKey != None)
                QTest::keyClick(widget, step.ctrlKey, Qt::ControlModifier);
            EXPECT_EQ(form.value(1, 1), QString::fromUtf8(step.a1)) << "step " << i;
            EXPECT_EQ(form.value(1, 2), QString::fromUtf8(step.b1)) << "step " << i;
        }
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    EntryWindow form{dialogs};
};

TEST_F(TableEditingTest, BlockSpreadsFromTheCaretAndCountsWhatFallsOutside) {
    box("T9k")->setText(QStringLiteral("old"));
    pasteInto("T9k", QStringLiteral("1\t2\t3\r\n4\t\"a\tb\"\t6\r\n7\t8\t9\r\n"));
    EXPECT_EQ(form.value(9, 11), QStringLiteral("1"));
    EXPECT_EQ(form.value(9, 12), QStringLiteral("2"));
    EXPECT_EQ(form.value(10, 11), QStringLiteral("4"));
    EXPECT_EQ(form.value(10, 12), QStringLiteral("a\tb"));
    ASSERT_EQ(dialogs.warnings.size(), 2);
    EXPECT_TRUE(dialogs.warnings[0].contains(QStringLiteral("5 個")))
        << dialogs.warnings[0].toStdString();
    EXPECT_TRUE(dialogs.warnings[1].contains(QStringLiteral("1 個の数値欄 (L10 など)")))
        << dialogs.warnings[1].toStdString();

    pasteInto("Text2", QStringLiteral("東京\t30"));
    EXPECT_EQ(form.rowLabel(1), QStringLiteral("東京"));
    EXPECT_EQ(form.value(1, 1), QStringLiteral("30"));

    pasteInto("Text3", QStringLiteral("大阪\r\n"));
    EXPECT_EQ(form.rowLabel(2), QStringLiteral("大阪")) << "one cell pastes without its line end";
    EXPECT_EQ(dialogs.warnings.size(), 2);
    pasteInto("T1b", QStringLiteral("single"));
    EXPECT_EQ(form.value(1, 2), QStringLiteral("single"));
    EXPECT_EQ(dialogs.warnings.size(), 3) << "a value box told it holds no number";
}

TEST_F(TableEditingTest, AnHtmlTableAloneIsPastedAndABlockFillsATitleAsOneLine) {
    auto* html = new QMimeData;
    html->setHtml(QStringLiteral("<table><tr><td>地域</td><td>食品</td></tr>"
                                 "<tr><td>東京</td><td>1,234</td></tr></table>"));
    QApplication::clipboard()->setMimeData(html);
    key(box("T5e"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.columnLabel(1), QStringLiteral("食品"));
    EXPECT_EQ(form.rowLabel(1), QStringLiteral("東京"));
    EXPECT_EQ(form.value(1, 1), QStringLiteral("1234"));

    box("Text1")->clear();
    pasteInto("Text1", QStringLiteral("家計\t内訳\r\n2026\t年\r\n"));
    EXPECT_EQ(form.description(Description::Title), QStringLiteral("家計 内訳 2026 年"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(TableEditingTest, TableWithHeadersGoesToTheCornerWhereverTheCaret) {
    QApplication::clipboard()->setText(QStringLiteral("\t食品\t衣料\n東京\t30\t20\n大阪\t10\t5\n"));
    QMenu* menu = form.findChild<TableEditing*>()->contextMenu(box("T5e"));
    menu->findChild<QAction*>(QStringLiteral("paste"))->trigger();
    delete menu;
    EXPECT_EQ(form.columnLabel(1), QStringLiteral("食品"));
    EXPECT_EQ(form.columnLabel(2), QStringLiteral("衣料"));
    EXPECT_EQ(form.rowLabel(2), QStringLiteral("大阪"));
    EXPECT_EQ(form.value(1, 1), QStringLiteral("30"));
    EXPECT_EQ(form.value(2, 2), QStringLiteral("5"));
    EXPECT_EQ(form.value(5, 5), QString());
}

TEST_F(TableEditingTest, CopyGivesTheWholeGridAsTextAndHtml) {
    form.setColumnLabel(1, QStringLiteral("a<b"));
    form.setRowLabel(10, QStringLiteral("最後"));
    form.setValue(10, 12, QStringLiteral("12kg"));
    key(box("T3c"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QStringList lines = data->text().split(u'\n');
    ASSERT_EQ(lines.size(), 12); // 11 rows, each ended
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\ta<b\t\t")));
    EXPECT_EQ(lines[10], QStringLiteral("最後\t\t\t\t\t\t\t\t\t\t\t\t12kg"));
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>a&lt;b</td>")));
    EXPECT_EQ(data->html().count(QStringLiteral("<tr>")), 11);

    QApplication::clipboard()->clear();
    QMenu* menu = form.findChild<TableEditing*>()->contextMenu(box("Text1"));
    menu->findChild<QAction*>(QStringLiteral("copy-table"))->trigger();
    delete menu;
    EXPECT_EQ(QApplication::clipboard()->text().count(u'\n'), 11);
}

TEST_F(TableEditingTest, UndoAndRedoStepThroughTheActions) {
    form.setValue(1, 1, QStringLiteral("1"));
    form.setRowLabel(1, QStringLiteral("行"));
    form.setDescription(Description::Unit, QStringLiteral("円"));
    pasteInto("T2a", QStringLiteral("2\t3"));
    click("Command5"); // 数値を消す
    click("Command8"); // 全てを消す
    EXPECT_EQ(form.rowLabel(1), QString());

    QWidget* button = form.findChild<QPushButton*>(QStringLiteral("Command8"));
    key(button, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.rowLabel(1), QStringLiteral("行"));
    EXPECT_EQ(form.description(Description::Unit), QStringLiteral("円"));
    EXPECT_EQ(form.value(1, 1), QString());
    key(box("T4d"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.value(1, 1), QStringLiteral("1"));
    EXPECT_EQ(form.value(2, 2), QStringLiteral("3"));
    key(box("T4d"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.value(2, 1), QString());
    EXPECT_EQ(form.value(1, 1), QStringLiteral("1"));

    key(box("T4d"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.value(2, 1), QStringLiteral("2"));
    key(button, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.value(1, 1), QString());

    // Typing in a box is a step of its own, box by box.
    QLineEdit* typed = box("T6f");
    key(box("T7f"), Qt::Key_8, Qt::NoModifier);
    key(typed, Qt::Key_7, Qt::NoModifier);
    key(typed, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(typed->text(), QString());
    EXPECT_EQ(form.value(7, 6), QStringLiteral("8"));
    key(typed, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.value(7, 6), QString());
    EXPECT_EQ(form.value(2, 1), QString());
    key(typed, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.value(2, 1), QStringLiteral("2"));
}

TEST_F(TableEditingTest, RedoAfterUndoKeepsWhatWasTypedSince) {
    play({{"Command8", Press, None, "", ""},
          {"T1a", "1\t2", Qt::Key_V, "1", "2"},
          {"T1a", "", Qt::Key_Z, "", ""},
          {"T1a", "555", None, "555", ""},
          {"T1b", "666", None, "555", "666"},
          {"T3c", "", Qt::Key_Y, "555", "666"}});
}

TEST_F(TableEditingTest, UndoTakesTheTypingThenThePaste) {
    play({{"T1a", "1\t2", Qt::Key_V, "1", "2"},
          {"T1a", "999", None, "1999", "2"},
          {"T1a", "", Qt::Key_Z, "1", "2"},
          {"T1a", "", Qt::Key_Y, "1999", "2"},
          {"T3c", "", Qt::Key_Y, "1999", "2"},
          {"T1a", "", Qt::Key_Z, "1", "2"},
          {"T1a", "", Qt::Key_Z, "", ""},
          {"T3c", "", Qt::Key_Y, "1", "2"},
          {"T3c", "", Qt::Key_Y, "1999", "2"}});
}

TEST_F(TableEditingTest, PasteAndClearAreOneStepEachAfterTheTyping) {
    play({{"T1a", "5", None, "5", ""},
          {"T1a", "1\t2", Qt::Key_V, "1", "2"},
          {"T1b", "7", None, "1", "27"},
          {"Command8", Press, None, "", ""},
          {"T3c", "", Qt::Key_Z, "1", "27"},
          {"T3c", "", Qt::Key_Z, "1", "2"},
          {"T3c", "", Qt::Key_Z, "5", ""}});
}

TEST_F(TableEditingTest, CsvSavesAndLoadsUnderEitherFilter) {
    form.setColumnLabel(1, QStringLiteral("食品"));
    form.setRowLabel(1, QStringLiteral("東京, 本店"));
    form.setValue(1, 1, QStringLiteral("0.5"));
    form.setDescription(Description::Title, QStringLiteral("題"));
    dialogs.answer = QMessageBox::Yes; // saved without the descriptions
    dialogs.fileNames << path("table.csv") << path("plain");
    click("Command9");
    dialogs.filterIndex = 2;
    click("Command9");
    EXPECT_EQ(dialogs.fileDialogs[0].filter, QStringLiteral("text (*.txt);;CSV (*.csv)"));
    for (const char* name : {"table.csv", "plain"}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF,\xE9\xA3\x9F\xE5\x93\x81,")) << name;
        EXPECT_TRUE(
            bytes.contains("\r\n\"\xE6\x9D\xB1\xE4\xBA\xAC, \xE6\x9C\xAC\xE5\xBA\x97\",0.5,,"))
            << name;
    }

    click("Command8");
    dialogs.fileNames << path("table.csv");
    click("Command10");
    EXPECT_EQ(form.rowLabel(1), QStringLiteral("東京, 本店"));
    EXPECT_EQ(form.value(1, 1), QStringLiteral("0.5"));
    EXPECT_EQ(form.value(10, 12), QString()) << "an empty box stays empty";
    EXPECT_EQ(form.description(Description::Title), QString()) << "descriptions are not in CSV";
    EXPECT_EQ(form.windowTitle(), path("table.csv"));
    EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join(u'\n').toStdString();
}

TEST_F(TableEditingTest, TooLargeCsvIsRefusedAndChangesNothing) {
    QFile file(path("big.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int r = 0; r < 11; ++r)
        file.write("1,2,3\r\n");
    file.close();
    form.setValue(1, 1, QStringLiteral("keep"));
    form.openDataFile(path("big.csv"));
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(QStringLiteral("11")))
        << dialogs.warnings[0].toStdString();
    EXPECT_EQ(form.value(1, 1), QStringLiteral("keep"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tallyfold v22"));
}

TEST_F(TableEditingTest, DataFileDroppedOnABoxLoadsIntoTheWindow) {
    QFile file(path("drop.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("9;8\r\n");
    file.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("drop.csv"))});
    data.setText(path("drop.csv"));
    QWidget* target = box("T7g");
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    EXPECT_EQ(form.value(1, 2), QStringLiteral("8"));
    EXPECT_EQ(box("T7g")->text(), QString()) << "the name is not typed into the box";
}

} // namespace
