#pragma once

#include <QMessageBox>
#include <QString>

// A question in a message box: its text, title, icon, buttons, the button that Enter presses and
// the captions of Yes, No and Cancel (which Escape presses, where it is offered).
struct Question {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Question;
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    QMessageBox::StandardButton defaultButton = QMessageBox::No;
    QString yesText = QStringLiteral("はい(&Y)");
    QString noText = QStringLiteral("いいえ(&N)");
    QString cancelText = QStringLiteral("キャンセル");
};

// Asked before the program ends: a warning, with No as the default so that Enter keeps the work.
inline Question quitQuestion() {
    return {QStringLiteral("作業を終わりますか？"), QStringLiteral("終了確認"),
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
}
