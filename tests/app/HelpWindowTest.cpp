#include "FakeDialogs.h"

#include "Version.h"
#include "app/EntryWindow.h"
#include "app/GraphWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

// F1 in either window opens the manual, built into the program, with its headings to jump to,
// and the version information names the version, the licence and the libraries.
TEST(HelpWindowTest, F1InEitherWindowOpensTheManualAtItsHeadings) {
    FakeDialogs dialogs;
    EntryWindow form(dialogs);
    form.show();
    form.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    QWidget* graph = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        graph = qobject_cast<GraphWindow*>(widget) ? widget : graph;
    ASSERT_NE(graph, nullptr);

    for (QWidget* window : {static_cast<QWidget*>(&form), graph}) {
        QApplication::setActiveWindow(window);
        for (int press = 0; press < 2; ++press) // the second raises the same window
            QTest::keyClick(window, Qt::Key_F1);
        const auto helps = window->findChildren<QWidget*>(QStringLiteral("help-window"));
        ASSERT_EQ(helps.size(), 1);
        auto* headings = helps[0]->findChild<QListWidget*>(QStringLiteral("manual-headings"));
        for (const char* heading : {"グラフを描く", "入れないもの (入れなかったことは知らせます)",
                                    "異常終了のあとの復元", "コマンドラインからの利用"}) {
            const auto found = headings->findItems(QString::fromUtf8(heading), Qt::MatchEndsWith);
            ASSERT_EQ(found.size(), 1) << heading;
            headings->setCurrentItem(found[0]);
            EXPECT_EQ(helps[0]->findChild<QTextBrowser*>()->textCursor().block().text(),
                      QString::fromUtf8(heading));
        }
        helps[0]->findChild<QAbstractButton*>(QStringLiteral("about"))->click();
        const QString about = helps[0]->findChild<QMessageBox*>()->text();
        for (const QString& part :
             {QString::fromLatin1(TallyfoldVersion), QStringLiteral("MIT"),
              QStringLiteral("Qt %1").arg(qVersion()), QStringLiteral("libzip 1.")})
            EXPECT_TRUE(about.contains(part)) << part.toStdString();
    }
    graph->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
