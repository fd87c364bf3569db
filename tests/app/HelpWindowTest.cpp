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

// F1 in either window opens the manual, built into the program, with its headings to jump to.
TEST(HelpWindowTest, F1InEitherWindowOpensTheManualAtItsHeadings) {
    FakeDialogs dialogs;
    EntryWindow form(dialogs);
    form.show();
    form.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    GraphWindow* graph = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<GraphWindow*>(widget))
            graph = window;
    ASSERT_NE(graph, nullptr);

    for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(graph)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_F1);
        QTest::keyClick(window, Qt::Key_F1);
        const auto helps = window->findChildren<QWidget*>(QStringLiteral("help-window"));
        ASSERT_EQ(helps.size(), 1) << "one help window, raised again by the second F1";
        auto* headings = helps[0]->findChild<QListWidget*>(QStringLiteral("manual-headings"));
        auto* manual = helps[0]->findChild<QTextBrowser*>(QStringLiteral("manual"));
        QStringList listed;
        for (int row = 0; row < headings->count(); ++row)
            listed << headings->item(row)->text().trimmed();
        for (const char* heading : {"グラフを描く", "表の貼り付けと読み込み",
                                    "入れないもの (入れなかったことは知らせます)", "保存と印刷",
                                    "異常終了のあとの復元", "コマンドラインからの利用"}) {
            const int row = listed.indexOf(QString::fromUtf8(heading));
            ASSERT_GE(row, 0) << heading;
            headings->setCurrentRow(row);
            EXPECT_EQ(manual->textCursor().block().text(), QString::fromUtf8(heading));
        }

        helps[0]->findChild<QAbstractButton*>(QStringLiteral("about"))->click();
        const QString about =
            helps[0]->findChild<QMessageBox*>(QStringLiteral("about-box"))->text();
        for (const QString& part :
             {QString::fromLatin1(TallyfoldVersion), QStringLiteral("MIT"),
              QStringLiteral("Qt ") + QString::fromLatin1(qVersion()), QStringLiteral("libzip 1.")})
            EXPECT_TRUE(about.contains(part)) << part.toStdString();
    }
    graph->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
