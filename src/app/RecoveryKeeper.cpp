#include "app/RecoveryKeeper.h"

#include "app/Dialogs.h"
#include "app/Form1.h"

#include <QFile>
#include <QGuiApplication>
#include <QSessionManager>

namespace {

// Changes are gathered this long before they are written, so typing writes a few times a second
// at most, and a change is on disk well within two seconds.
constexpr int WriteDelayMs = 500;

Question restoreQuestion() {
    return {QStringLiteral("前回、保存せずに終了した入力があります。復元しますか?"),
            QStringLiteral("入力の復元"),
            QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No,
            QMessageBox::Yes,
            QStringLiteral("復元する"),
            QStringLiteral("破棄する")};
}

} // namespace

RecoveryKeeper::RecoveryKeeper(Form1& window, Dialogs& dialogs, const QString& folder)
    : window_(window)
    , dialogs_(dialogs)
    , store_(folder) {
    delay_.setSingleShot(true);
    delay_.setInterval(WriteDelayMs);
    connect(&delay_, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
}

void RecoveryKeeper::start() {
    offerLeftover();
    connect(&window_, &Form1::entryChanged, this, [this] {
        if (!delay_.isActive())
            delay_.start(); // not restarted by every key, so steady typing is written too
    });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        writeNow();
        store_.flush();
    });
    connect(&window_, &Form1::workEnded, this, [this] {
        delay_.stop();
        store_.remove();
    });
}

void RecoveryKeeper::offerLeftover() {
    const std::optional<RecoveryStore::Leftover> leftover = store_.takeLeftover();
    if (!leftover)
        return;
    QFile file(leftover->path);
    const std::optional<EntryState> state =
        file.open(QIODevice::ReadOnly) ? decodeRecovery(file.readAll()) : std::nullopt;
    file.close();
    if (!state) {
        const QString aside = RecoveryStore::setAside(*leftover);
        dialogs_.warn(&window_, QStringLiteral("前回の入力を保存したファイルが壊れているか読めない"
                                               "ため、復元できませんでした。\nファイルは「%1」と"
                                               "して残してあります。")
                                    .arg(aside));
        return;
    }
    if (dialogs_.ask(&window_, restoreQuestion()) == QMessageBox::Yes) {
        window_.restoreEntry(*state);
        // Kept as this instance's own before the leftover goes.
        writeNow();
        store_.flush();
    }
    QFile::remove(leftover->path);
}

void RecoveryKeeper::writeNow() {
    delay_.stop();
    store_.write(window_.entryState());
}
