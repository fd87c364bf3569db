#pragma once

#include "app/Dialogs.h"

// `CommonDialog1`: the file dialog that the data and picture actions share. It takes its filter
// as "description|pattern" ("text|*.txt") and keeps the last chosen full path, which it offers
// again the next time it opens.
class CommonDialog {
public:
    explicit CommonDialog(Dialogs& dialogs)
        : dialogs_(dialogs) {}

    std::optional<QString> showSave(QWidget* parent, const QString& filter);
    std::optional<QString> showOpen(QWidget* parent, const QString& filter);

    // "text|*.txt" as Qt writes it: "text (*.txt)".
    static QString qtFilter(const QString& filter);

private:
    std::optional<QString> show(QWidget* parent, FileDialogKind kind, const QString& filter);

    Dialogs& dialogs_;
    QString fileName_;
};

inline const QString TextFilter = QStringLiteral("text|*.txt");
inline const QString BitmapFilter = QStringLiteral("bitmap|*.bmp");
