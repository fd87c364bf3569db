#include "app/CommonDialog.h"

#include <QStringList>

std::optional<QString> CommonDialog::showSave(QWidget* parent, const QString& filter) {
    return show(parent, FileDialogKind::Save, filter);
}

std::optional<QString> CommonDialog::showOpen(QWidget* parent, const QString& filter) {
    return show(parent, FileDialogKind::Open, filter);
}

std::optional<QString> CommonDialog::show(QWidget* parent, FileDialogKind kind,
                                          const QString& filter) {
    const std::optional<FileChoice> chosen =
        dialogs_.askFileName(parent, kind, qtFilter(filter), fileName_);
    if (!chosen)
        return std::nullopt;
    fileName_ = chosen->path;
    filterIndex_ = chosen->filterIndex;
    return chosen->path;
}

QString CommonDialog::qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters.join(QStringLiteral(";;"));
}
