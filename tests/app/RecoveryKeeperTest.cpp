#include "FakeDialogs.h"
#include "Printers.h"

#include "app/EntryWindow.h"
#include "app/RecoveryKeeper.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecoveryKeeperTest : public ::testing::Test {
protected:
    QString folder() const { return dir.filePath(QStringLiteral("tallyfold")); }
    QStringList files() const { return QDir(folder()).entryList({QStringLiteral("*.recovery")}); }

    // What a window that typed `state` and then crashed leaves behind.
    void leaveBehind(const TableContents& state) {
        FakeDialogs dialogs;
        dialogs.answer = QMessageBox::Cancel; // leftovers before it wait for a later start
        EntryWindow crashed(dialogs);
        RecoveryKeeper keeper(crashed, dialogs, folder());
        keeper.start();
        const qsizetype before = files().size();
        crashed.document().replace(QStringLiteral("復元"), state);
        ASSERT_TRUE(QTest::qWaitFor([&] { return files().size() == before + 1; }));
    }

    static TableContents typed(const QString& title = QStringLiteral("家計の内訳")) {
        FakeDialogs dialogs;
        EntryWindow form(dialogs);
        form.setValue(3, 4, QStringLiteral("555"));
        form.setRowLabel(10, QStringLiteral("十"));
        form.setDescription(Description::Title, title);
        TableContents state = form.contents();
        state.size = GraphSize::Wide;
        state.unshown[1] = QStringLiteral("見えないセル");
        return state;
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    EntryWindow form{dialogs};
    RecoveryKeeper keeper{form, dialogs, folder()};
};

TEST_F(RecoveryKeeperTest, ALeftoverIsOfferedAndRestoredWhole) {
    const TableContents state = typed();
    leaveBehind(state);
    const QString caption = form.windowTitle();
    dialogs.answer = QMessageBox::Yes;
    keeper.start();

    ASSERT_EQ(dialogs.questions.size(), 1u);
    const Question& asked = dialogs.questions[0];
    EXPECT_EQ(asked.text, QStringLiteral("前回、保存せずに終了した入力があります。復元しますか?"));
    EXPECT_EQ(asked.defaultButton, QMessageBox::Yes);
    EXPECT_EQ(asked.yesText, QStringLiteral("復元する"));
    EXPECT_EQ(asked.noText, QStringLiteral("破棄する"));
    EXPECT_EQ(form.contents(), state);
    EXPECT_EQ(form.selectedSize(), GraphSize::Wide);
    EXPECT_EQ(form.windowTitle(), caption) << "no file name";
    ASSERT_EQ(files().size(), 1) << "the restored state is this instance's now";

    dialogs.answer = QMessageBox::Yes;
    form.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    EXPECT_TRUE(files().isEmpty()) << "ending the work removes the file";
}

// Each answer to the question, with a data file named at start: what the window holds after, and
// how many leftovers wait for the next start.
TEST_F(RecoveryKeeperTest, EachAnswerKeepsWhatItOffers) {
    struct Case {
        const char* name;
        QMessageBox::StandardButton answer;
        bool restored;
        int leftAfter;
    };
    const Case cases[] = {
        {"restored: the file named at start is not opened over it", QMessageBox::Yes, true, 1},
        {"discarded: the file opens", QMessageBox::No, false, 1},
        {"Escape: later, the leftover stays for the next start", QMessageBox::Cancel, false, 2},
    };
    const QString named = dir.filePath(QStringLiteral("named.csv"));
    QFile csv(named);
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(",食品\n東京,30\n");
    csv.close();
    for (const Case& c : cases) {
        for (const QString& stale : files())
            QFile::remove(QDir(folder()).filePath(stale));
        leaveBehind(typed(QStringLiteral("古い")));
        leaveBehind(typed(QStringLiteral("新しい")));
        FakeDialogs answering;
        answering.answer = c.answer;
        EntryWindow window(answering);
        RecoveryKeeper starting(window, answering, folder());
        starting.start();
        starting.openNamedFile(named);

        ASSERT_EQ(answering.questions.size(), 1u) << c.name;
        EXPECT_TRUE(answering.questions[0].text.contains(QStringLiteral("ほかにも 1 件")))
            << c.name << ": " << answering.questions[0].text.toStdString();
        EXPECT_EQ(window.description(Description::Title),
                  c.restored ? QStringLiteral("新しい") : QStringLiteral("Title"))
            << c.name << ": the newest is offered";
        EXPECT_EQ(window.rowLabel(1), c.restored ? QString() : QStringLiteral("東京")) << c.name;
        EXPECT_EQ(answering.warnings.size(), c.restored ? 1 : 0) << c.name;
        if (c.restored) {
            EXPECT_TRUE(answering.warnings.value(0).contains(named)) << c.name;
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return files().size() == c.leftAfter + 1; }))
            << c.name << ": the running window keeps its own file beside " << c.leftAfter;
    }
}

TEST_F(RecoveryKeeperTest, DiscardedOrDamagedLeftoversAreNotLoaded) {
    leaveBehind(typed());
    dialogs.answer = QMessageBox::No;
    keeper.start();
    EntryWindow fresh(dialogs);
    EXPECT_EQ(form.contents(), fresh.contents());
    EXPECT_TRUE(files().isEmpty());
    leaveBehind(typed());
    const QString damaged = QDir(folder()).filePath(files().constFirst());
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"format\": 1, \"grid\": [");
    file.close();
    FakeDialogs second;
    EntryWindow next(second);
    RecoveryKeeper(next, second, folder()).start();
    EXPECT_TRUE(second.questions.empty());
    ASSERT_EQ(second.warnings.size(), 1);
    EXPECT_TRUE(files().isEmpty());
    const QString aside = QDir(folder()).filePath(QDir(folder()).entryList({"*.damaged"}).value(0));
    EXPECT_TRUE(second.warnings[0].contains(aside)) << second.warnings[0].toStdString();
}

} // namespace
