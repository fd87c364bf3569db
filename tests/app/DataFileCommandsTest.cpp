#include "FakeDialogs.h"
#include "Printers.h"

#include "app/EntryWindow.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/TableContents.h"
#include "io/DataFileFormat.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

class DataFileCommandsTest : public ::testing::Test {
protected:
    void click(const char* name) { form.findChild<QPushButton*>(QString::fromUtf8(name))->click(); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static QByteArray contents(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    EntryWindow form{dialogs};
};

TEST_F(DataFileCommandsTest, SaveWritesTheBoxesAndShowsThePath) {
    form.setRowLabel(1, QStringLiteral("東京"));
    form.setValue(1, 1, QStringLiteral("0.5"));
    dialogs.fileNames << path("table.txt");
    click("Command9");

    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].kind, FileDialogKind::Save);
    EXPECT_EQ(dialogs.fileDialogs[0].filter, QStringLiteral("text (*.txt);;CSV (*.csv)"));
    EXPECT_EQ(form.windowTitle(), path("table.txt"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    DataTable saved;
    inputData(form.contents(), saved);
    EXPECT_EQ(contents(path("table.txt")), encodeDataFile(saved).bytes);
    EXPECT_TRUE(contents(path("table.txt")).contains("\"\x93\x8c\x8b\x9e\",.5,0"));
}

TEST_F(DataFileCommandsTest, CaptionShowsAPathWithTheModifiedMarkerAsItIs) {
    form.winId(); // the caption shown is the native window's title
    for (const char* name : {"a[*]b.txt", "[*][*].txt"}) {
        dialogs.fileNames << path(name);
        click("Command9");
        EXPECT_EQ(form.windowHandle()->title(), path(name));
        dialogs.fileNames << path(name);
        click("Command10");
        EXPECT_EQ(form.windowHandle()->title(), path(name));
    }
}

TEST_F(DataFileCommandsTest, CancelledSaveKeepsTheCaption) {
    form.setValue(2, 3, QStringLiteral("7"));
    click("Command9");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tallyfold v22"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(DataFileCommandsTest, LoadFillsTheBoxesAndTheNextDialogOffersTheLastName) {
    DataTable table;
    table(0, 12) = QStringLiteral("L列");
    table(4, 0) = QStringLiteral("四");
    table(4, 1) = 0.0;
    table(4, 2) = 2.5;
    table(7, 7) = QStringLiteral("text in a value cell");
    table(11, 5) = QStringLiteral("作者");
    write(path("in.txt"), encodeDataFile(table).bytes);

    dialogs.fileNames << path("in.txt");
    click("Command10");
    EXPECT_EQ(form.windowTitle(), path("in.txt"));
    EXPECT_EQ(dialogs.fileDialogs[0].kind, FileDialogKind::Open);
    EXPECT_EQ(form.columnLabel(12), QStringLiteral("L列"));
    EXPECT_EQ(form.rowLabel(4), QStringLiteral("四"));
    EXPECT_EQ(form.value(4, 2), QStringLiteral("2.5"));
    EXPECT_EQ(form.value(4, 1), QStringLiteral("0"));
    EXPECT_EQ(form.value(4, 3), QString()) << "an empty cell";
    EXPECT_EQ(form.value(7, 7), QStringLiteral("text in a value cell"));
    EXPECT_EQ(form.description(Description::Author), QStringLiteral("作者"));
    EXPECT_EQ(form.description(Description::Title), QString()) << "the title box is refilled too";

    click("Command9"); // cancelled
    EXPECT_EQ(dialogs.fileDialogs[1].initialName, path("in.txt"));
}

TEST_F(DataFileCommandsTest, FailedLoadsChangeNothingAndSayWhy) {
    form.setValue(1, 1, QStringLiteral("keep"));
    write(path("short.txt"), "\"a\",1,2\r\n");
    dialogs.fileNames << path("short.txt") << path("missing.txt");
    click("Command10");
    click("Command10");
    EXPECT_EQ(form.value(1, 1), QStringLiteral("keep"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tallyfold v22"));
    ASSERT_EQ(dialogs.warnings.size(), 2);
    EXPECT_TRUE(dialogs.warnings[0].contains(QStringLiteral("3 項目")));
    EXPECT_TRUE(dialogs.warnings[1].contains(path("missing.txt")));

    click("Command10"); // cancelled: silent
    EXPECT_EQ(dialogs.warnings.size(), 2);
}

TEST_F(DataFileCommandsTest, AWorkbookOfSeveralTablesAsksWhichSheetAndCancelsQuietly) {
    const QString workbook = QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/libreoffice.ods");
    form.setRowLabel(1, QStringLiteral("keep"));
    dialogs.fileNames << workbook << workbook;
    dialogs.sheetAnswer = std::nullopt;
    click("Command10");
    EXPECT_EQ(form.rowLabel(1), QStringLiteral("keep"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    dialogs.sheetAnswer = 1;
    click("Command10");
    EXPECT_EQ(form.rowLabel(1), QStringLiteral("件数"));
    ASSERT_EQ(dialogs.sheetChoices.size(), 2u);
    EXPECT_EQ(dialogs.sheetChoices[1], QStringList({"売上", "日付"}));
    EXPECT_TRUE(dialogs.fileDialogs[0].filter.startsWith(QStringLiteral("text (*.txt);;CSV")));
}

TEST_F(DataFileCommandsTest, SaveThatCannotBeWrittenIsReportedAndKeepsTheCaption) {
    dialogs.fileNames << path("no/such/folder/x.txt");
    click("Command9");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tallyfold v22"));
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(path("no/such/folder/x.txt")));
}

TEST_F(DataFileCommandsTest, SaveLoadSaveGivesTheSameBytes) {
    for (int r = 1; r <= 10; ++r) {
        form.setRowLabel(r, QStringLiteral("行, %1 ①").arg(r));
        for (int c = 1; c <= 12; ++c)
            form.setValue(r, c, QString::number((r * 7 + c * 3) % 11 * 0.25));
    }
    form.setColumnLabel(1, QStringLiteral("～"));
    dialogs.fileNames << path("a.txt") << path("a.txt") << path("b.txt");
    click("Command9");
    click("Command8");
    click("Command10");
    click("Command9");
    EXPECT_EQ(contents(path("a.txt")), contents(path("b.txt")));
    EXPECT_EQ(form.rowLabel(3), QStringLiteral("行, 3 ①"));
}

TEST_F(DataFileCommandsTest, CellsNoBoxShowsAreSavedAgainAsTheFileHadThem) {
    DataTable table;
    inputData(TableContents{}, table); // as a fresh window saves it
    table(0, 0) = QStringLiteral("corner");
    table(11, 12) = 42.0;
    write(path("in.txt"), encodeDataFile(table).bytes);
    dialogs.fileNames << path("in.txt") << path("out.txt");
    click("Command10");
    form.setValue(2, 2, QStringLiteral("6"));
    click("Command9");
    table(2, 2) = 6.0;
    EXPECT_EQ(contents(path("out.txt")), encodeDataFile(table).bytes);

    // The load taken back takes its hidden cells with it.
    form.document().undo();
    form.document().undo();
    dialogs.fileNames << path("undone.txt");
    click("Command9");
    DataTable fresh;
    inputData(startContents(), fresh);
    EXPECT_EQ(contents(path("undone.txt")), encodeDataFile(fresh).bytes);
}

TEST_F(DataFileCommandsTest, CsvAsksBeforeItLeavesTheDescriptionsOut) {
    const struct {
        const char* title;
        QMessageBox::StandardButton answer;
        bool asked;
        bool written;
    } cases[] = {{"", QMessageBox::No, false, true},
                 {"家計", QMessageBox::No, true, false},
                 {"家計", QMessageBox::Yes, true, true}};
    for (const auto& c : cases) {
        const QString csv = path("asked.csv");
        QFile::remove(csv);
        dialogs.questions.clear();
        dialogs.answer = c.answer;
        form.setDescription(Description::Title, QString::fromUtf8(c.title));
        form.setValue(1, 1, QStringLiteral("5"));
        dialogs.fileNames << csv;
        click("Command9");
        ASSERT_EQ(dialogs.questions.size(), c.asked ? 1u : 0u) << c.title << c.answer;
        if (c.asked) {
            EXPECT_EQ(dialogs.questions[0].text,
                      QStringLiteral(
                          "CSV には表題・単位・出典・注・作成者は保存されません。保存しますか?"));
        }
        EXPECT_EQ(QFile::exists(csv), c.written) << c.title << c.answer;
        if (c.written) {
            EXPECT_TRUE(contents(csv).contains(QByteArray("\r\n,5") + QByteArray(11, ',') + "\r\n"))
                << "empty boxes stay empty cells";
        }
    }
}

TEST_F(DataFileCommandsTest, LostCharactersAreSavedAsQuestionMarksAndNamed) {
    form.setRowLabel(2, QStringLiteral("😀"));
    dialogs.fileNames << path("lossy.txt");
    click("Command9");
    EXPECT_EQ(form.windowTitle(), path("lossy.txt"));
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(QStringLiteral("行ラベル 2")));
    EXPECT_TRUE(contents(path("lossy.txt")).contains("\"?\""));
}

} // namespace
