#include "app/RecoveryKeeper.h"

#include "app/Dialogs.h"
#include "app/EntryWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QSessionManager>

namespace {

// Changes are gathered this long before they are written, so typing writes a few times a second
// at most, and a change is on disk well within two seconds.
constexpr int WriteDelayMs = 500;

Question restoreQuestion(int others) {
    QString text = QStringLiteral("前回、保存せずに終了した入力があります。復元しますか?");
    if (others > 0)
        text += QStringLiteral("\nほかにも %1 件あり、次回以降の起動時に一件ずつ尋ねます。")
                    .arg(others);
    return {text,
            QStringLiteral("入力の復元"),
            QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
            QMessageBox::Yes,
            QStringLiteral("復元する"),
            QStringLiteral("破棄する"),
            QStringLiteral("後で")};
}

} // namespace

RecoveryKeeper::RecoveryKeeper(EntryWindow& window, Dialogs& dialogs, const QString& folder)
    : window_(window)
    , dialogs_(dialogs)
    , store_(folder) {
    delay_.setSingleShot(true);
    delay_.setInterval(WriteDelayMs);
    connect(&delay_, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
}

void RecoveryKeeper::start() {
    restored_ = offerLeftover();
    connect(&window_.document(), &TableDocument::changed, this, [this] {
        if (!delay_.isActive())
            delay_.start(); // not restarted by every key, so steady typing is written too
    });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        writeNow();
        store_.flush();
    });
    connect(&window_, &EntryWindow::workEnded, this, [this] {
        delay_.stop();
        store_.remove();
    });
}

void RecoveryKeeper::openNamedFile(const QString& path) {
    if (restored_)
        dialogs_.warn(&window_, QStringLiteral("復元した入力を残すため、ファイル「%1」は開きません"
                                               "でした。必要なら「データの読込」で開いてください。")
                                    .arg(path));
    else
        window_.openDataFile(path);
}

bool RecoveryKeeper::offerLeftover() {
    const std::optional<RecoveryStore::Leftover> leftover = store_.takeLeftover();
    if (!leftover)
        return false;
    QFile file(leftover->path);
    const std::optional<TableContents> state =
        file.open(QIODevice::ReadOnly) ? decodeRecovery(file.readAll()) : std::nullopt;
    file.close();
    if (!state) {
        const QString aside = RecoveryStore::setAside(*leftover);
        dialogs_.warn(&window_, QStringLiteral("前回の入力を保存したファイルが壊れているか読めない"
                                               "ため、復元できませんでした。\nファイルは「%1」と"
                                               "して残してあります。")
                                    .arg(aside));
        return false;
    }
    const QMessageBox::StandardButton answer =
        dialogs_.ask(&window_, restoreQuestion(leftover->others));
    if (answer == QMessageBox::Cancel)
        return false; // asked again at the next start
    if (answer == QMessageBox::Yes) {
        window_.document().replace(QStringLiteral("復元"), *state);
        // Kept as this instance's own before the leftover goes.
        writeNow();
        store_.flush();
    }
    QFile::remove(leftover->path);
    return answer == QMessageBox::Yes;
}

void RecoveryKeeper::writeNow() {
    delay_.stop();
    store_.write(window_.contents());
}
