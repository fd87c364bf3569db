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
    void leaveBehind(const EntryState& state) {
        FakeDialogs dialogs;
        EntryWindow crashed(dialogs);
        RecoveryKeeper keeper(crashed, dialogs, folder());
        keeper.start();
        crashed.restoreEntry(state);
        ASSERT_TRUE(QTest::qWaitFor([&] { return files().size() == 1; }));
    }

    static EntryState typed() {
        FakeDialogs dialogs;
        EntryWindow form(dialogs);
        form.setValue(3, 4, QStringLiteral("555"));
        form.setRowLabel(10, QStringLiteral("十"));
        form.setDescription(Description::Title, QStringLiteral("家計の内訳"));
        return {BoxesSnapshot::take(form), GraphSize::Wide};
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    EntryWindow form{dialogs};
    RecoveryKeeper keeper{form, dialogs, folder()};
};

TEST_F(RecoveryKeeperTest, ALeftoverIsOfferedAndRestoredWhole) {
    const EntryState state = typed();
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
    EXPECT_EQ(form.entryState(), state);
    EXPECT_EQ(form.windowTitle(), caption) << "no file name";
    ASSERT_EQ(files().size(), 1) << "the restored state is this instance's now";

    dialogs.answer = QMessageBox::Yes;
    form.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    EXPECT_TRUE(files().isEmpty()) << "ending the work removes the file";
}

TEST_F(RecoveryKeeperTest, DiscardedOrDamagedLeftoversAreNotLoaded) {
    leaveBehind(typed());
    dialogs.answer = QMessageBox::No;
    keeper.start();
    EntryWindow fresh(dialogs);
    EXPECT_EQ(form.entryState(), fresh.entryState());
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
