#include "Printers.h"

#include "app/CommonDialog.h"
#include "app/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `step` on the window of type T once it shows, from inside its event loop.
template <class T> void whenOpen(std::function<void(T*)> step) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<T*>(widget);
            if (window && window->isVisible()) {
                poll->deleteLater();
                step(window);
                return;
            }
        }
    });
    poll->start(10);
}

TEST(QtDialogsTest, ReplacingAFileAsksFirstAndNoReturnsToTheDialog) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("table.txt"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        bool askedAgain = false;
        whenOpen<QFileDialog>([&](QFileDialog* dialog) {
            whenOpen<QMessageBox>([&, dialog](QMessageBox* question) {
                whenOpen<QFileDialog>([&](QFileDialog* stillOpen) {
                    askedAgain = true;
                    stillOpen->reject();
                });
                question->button(answer)->click();
            });
            dialog->selectFile(existing);
            static_cast<QDialog*>(dialog)->accept(); // as Enter in the name box
        });
        const std::optional<FileChoice> chosen = QtDialogs().askFileName(
            nullptr, FileDialogKind::Save, CommonDialog::qtFilter(DataFilter), QString());
        if (answer == QMessageBox::No) {
            EXPECT_TRUE(askedAgain) << "No returns to the dialog";
            EXPECT_FALSE(chosen);
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
