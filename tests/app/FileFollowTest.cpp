#include "FakeDialogs.h"

#include "app/EntryWindow.h"
#include "app/GraphWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

void write(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

// Waits, processing events, until `done` holds; false after a generous bound.
template <class Done> bool waitFor(Done done) {
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(20);
    return done();
}

TEST(FileFollow, AChangedFileIsReadAgainOrTheUserAskedWhereTheBoxesWereEdited) {
    const struct {
        const char* name;
        bool renamed;                       // replaced by a rename, as spreadsheets save
        bool edited;                        // the boxes were typed into after the load
        bool undone;                        // the load was undone
        QMessageBox::StandardButton answer; // to 読み込み直す / このままにする
        const char* value;                  // of the first box, in the end
    } cases[] = {
        {"in place", false, false, false, QMessageBox::No, "7"},
        {"renamed", true, false, false, QMessageBox::No, "7"},
        {"edited, kept", false, true, false, QMessageBox::No, "9"},
        {"edited, read again", true, true, false, QMessageBox::Yes, "7"},
        {"load undone", false, false, true, QMessageBox::Yes, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("table.csv"));
        write(table, ",食品\n東京,5\n");
        FakeDialogs dialogs;
        dialogs.answer = c.answer;
        EntryWindow form(dialogs);
        form.openDataFile(table);
        form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        ASSERT_EQ(form.value(1, 1), QStringLiteral("5"));
        if (c.edited)
            form.setValue(1, 1, QStringLiteral("9"));
        if (c.undone)
            form.document().undo();
        if (c.renamed) {
            const QString saved = dir.filePath(QStringLiteral("saving.tmp"));
            write(saved, ",食品\n東京,7\n");
            ASSERT_EQ(std::rename(qPrintable(saved), qPrintable(table)), 0);
        } else {
            write(table, ",食品\n東京,7\n");
        }
        if (c.undone) {
            QTest::qWait(500); // longer than a save's quiet time: nothing comes
            EXPECT_EQ(form.value(1, 1), QString());
            EXPECT_TRUE(dialogs.questions.empty());
            continue;
        }
        ASSERT_TRUE(waitFor([&] {
            return form.value(1, 1) == QString::fromLatin1(c.value) &&
                   !dialogs.questions.empty() == c.edited;
        }));
        if (form.value(1, 1) != QStringLiteral("7"))
            continue;
        GraphWindow* graph = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<GraphWindow*>(widget); window && window->isVisible())
                graph = window;
        ASSERT_NE(graph, nullptr);
        EXPECT_TRUE(
            graph->notice().contains(QStringLiteral("ファイルが更新されたため読み込み直しました")));
        form.document().undo();
        EXPECT_EQ(form.value(1, 1), QString::fromLatin1(c.edited ? "9" : "5")) << "one step";
    }
}

} // namespace
