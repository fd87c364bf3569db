#include "data/Result.h"

#include "data/RuntimeError.h"

#include <QStringList>

namespace {

// The number under which copying the picture has always been reported.
constexpr int ClipboardErrorNumber = 521;

} // namespace

QString failureMessage(const Failure& failure) {
    const QString& file = failure.file;
    const QString& reason = failure.reason;
    switch (failure.action) {
    case Action::LoadTable:
        return QStringLiteral("ファイル「%1」を読み込めませんでした。\n%2").arg(file, reason);
    case Action::LoadIncompleteTable:
        return QStringLiteral(
                   "ファイル「%1」のデータは不完全です（%2）。何も読み込みませんでした。")
            .arg(file, reason);
    case Action::SaveTable:
        return QStringLiteral("ファイル「%1」に保存できませんでした。\n%2").arg(file, reason);
    case Action::LoadPicture:
        return QStringLiteral("「%1」をグラフとして読み込めませんでした。\n%2").arg(file, reason);
    case Action::SavePicture:
        return QStringLiteral("グラフを「%1」に保存できませんでした。\n%2").arg(file, reason);
    case Action::Print:
        // The file is where a printer without paper writes the page.
        if (file.isEmpty())
            return QStringLiteral("印刷できませんでした。\n%1").arg(reason);
        return QStringLiteral("印刷できませんでした。\n「%1」に書き出せませんでした。%2")
            .arg(file, reason);
    case Action::CopyPicture:
        return RuntimeError(ClipboardErrorNumber, reason).message();
    case Action::DrawChart:
        // The window's message names no file; the command line may draw many at once.
        if (file.isEmpty())
            return reason;
        return QStringLiteral("「%1」: %2").arg(file, reason);
    }
    return reason;
}

QString joinedMessages(std::initializer_list<QString> messages, QChar separator) {
    QStringList told;
    for (const QString& message : messages)
        if (!message.isEmpty())
            told << message;
    return told.join(separator);
}
