#include "Printers.h"

#include "app/CommonDialog.h"
#include "app/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The visible window of type T, if any.
template <class T> T* shown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

TEST(QtDialogsTest, ReplacingAFileAsksFirstAndNoReturnsToTheDialog) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("table.txt"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        // As a user would: Enter on the name of an existing file, the answer to the question,
        // then, back in the dialog, Escape.
        bool accepted = false;
        int questions = 0;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            if (auto* question = shown<QMessageBox>()) {
                ++questions;
                question->button(answer)->click();
            } else if (auto* dialog = shown<QFileDialog>(); dialog && !accepted) {
                accepted = true;
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(existing);
                // As Enter in the name box, once this tick is over: a timer does not tick again
                // while its own handler waits for the question.
                QMetaObject::invokeMethod(
                    dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); },
                    Qt::QueuedConnection);
            } else if (dialog && questions > 0) {
                dialog->reject();
            }
        });
        user.start(10);
        const std::optional<FileChoice> chosen = QtDialogs().askFileName(
            nullptr, FileDialogKind::Save, CommonDialog::qtFilter(DataFilter), QString());
        EXPECT_EQ(questions, 1);
        if (answer == QMessageBox::No) {
            EXPECT_FALSE(chosen) << "No returns to the dialog, which was then cancelled";
        } else {
            ASSERT_TRUE(chosen);
            EXPECT_EQ(chosen->path, existing);
        }
    }
}

TEST(CommonDialogTest, ANameOfTheOtherKindIsOfferedWithThisDialogsExtension) {
    const struct {
        const char* kept;
        const QString& filter;
        const char* offered;
    } cases[] = {
        {"/d/table.csv", PictureSaveFilter, "/d/table.bmp"},
        {"/d/c.bmp", DataFilter, "/d/c.txt"},
        {"/d/c.SVG", DataFilter, "/d/c.txt"},
        {"/d/c.txt", BitmapFilter, "/d/c.bmp"},
        {"/d/c.png", BitmapFilter, "/d/c.png"}, // a picture for a picture
        {"/d/c.pdf", PictureSaveFilter, "/d/c.pdf"},
        {"/d/t.csv", DataFilter, "/d/t.csv"},
        {"/d/notes", PictureSaveFilter, "/d/notes"},
        {"/d.csv/notes", PictureSaveFilter, "/d.csv/notes"},
        {"/d/a.tar.gz", DataFilter, "/d/a.tar.gz"},
        {"", DataFilter, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommonDialog::offeredName(QString::fromUtf8(c.kept), c.filter),
                  QString::fromUtf8(c.offered))
            << c.kept;
}

} // namespace

namespace {

TEST(QtDialogsTest, TheSheetDialogOffersTheFirstAndEscapeCancels) {
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [key] {
            if (QInputDialog* dialog = shown<QInputDialog>()) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(dialog, &press);
            }
        });
        user.start(10);
        QtDialogs dialogs;
        const std::optional<qsizetype> chosen =
            dialogs.askSheet(nullptr, QStringLiteral("/tmp/表.xlsx"), {"売上", "日付"});
        EXPECT_EQ(chosen, key == Qt::Key_Return ? std::optional<qsizetype>(0) : std::nullopt);
    }
}

} // namespace
