#include "app/HelpWindow.h"

#include "app/AboutBox.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// The manual and its pictures, as the resource holds them (docs/ of the source).
const QString ManualFolder = QStringLiteral(":/manual");
const QString ManualFile = QStringLiteral(":/manual/manual.ja.md");
} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , manual_(new QTextBrowser)
    , headings_(new QListWidget) {
    setObjectName(QStringLiteral("help-window"));
    setWindowTitle(QStringLiteral("量率グラフ ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose);
    manual_->setObjectName(QStringLiteral("manual"));
    headings_->setObjectName(QStringLiteral("manual-headings"));
    headings_->setAccessibleName(QStringLiteral("目次"));

    // The pictures' names in the Markdown are relative to the manual's folder.
    manual_->setSearchPaths({ManualFolder});
    manual_->setOpenExternalLinks(true);
    QFile file(ManualFile);
    file.open(QIODevice::ReadOnly);
    manual_->document()->setMarkdown(QString::fromUtf8(file.readAll()));
    listHeadings();
    connect(headings_, &QListWidget::currentRowChanged, this, &HelpWindow::jumpTo);

    auto* about = new QPushButton(QStringLiteral("バージョン情報(&A)"));
    about->setObjectName(QStringLiteral("about"));
    connect(about, &QPushButton::clicked, this, [this] { showAbout(this); });

    auto* splitter = new QSplitter;
    splitter->addWidget(headings_);
    splitter->addWidget(manual_);
    splitter->setStretchFactor(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(about);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
    resize(900, 700);
}

// Each heading of the manual, indented by its level, keeps the number of its block.
void HelpWindow::listHeadings() {
    for (QTextBlock block = manual_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        auto* item = new QListWidgetItem(QString(2 * (level - 1), u' ') + block.text(), headings_);
        item->setData(Qt::UserRole, block.blockNumber());
    }
}

void HelpWindow::jumpTo(int heading) {
    if (heading < 0)
        return;
    const int number = headings_->item(heading)->data(Qt::UserRole).toInt();
    QTextCursor cursor(manual_->document()->findBlockByNumber(number));
    // To the end first, so that the heading comes to the top rather than the bottom.
    manual_->moveCursor(QTextCursor::End);
    manual_->setTextCursor(cursor);
    manual_->ensureCursorVisible();
}

void showManual(QWidget* from) {
    QWidget* owner = from->window();
    auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(owner);
    help->show();
    help->raise();
    help->activateWindow();
}

void installHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window, [window] { showManual(window); });
}
