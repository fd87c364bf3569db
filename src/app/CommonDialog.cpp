#include "app/CommonDialog.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// The extensions of a filter, without their "*.", in its order.
QStringList extensions(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList found;
    for (qsizetype i = 1; i < parts.size(); i += 2)
        found << parts[i].mid(2).toLower();
    return found;
}

// The kinds of file the dialog is shown for.
enum class FileKind { Other, Table, Picture };

FileKind kindOf(const QString& extension) {
    if (extensions(DataOpenFilter).contains(extension))
        return FileKind::Table;
    if (extensions(PictureSaveFilter).contains(extension))
        return FileKind::Picture;
    return FileKind::Other;
}

} // namespace

std::optional<QString> CommonDialog::showSave(QWidget* parent, const QString& filter) {
    return show(parent, FileDialogKind::Save, filter);
}

std::optional<QString> CommonDialog::showOpen(QWidget* parent, const QString& filter) {
    return show(parent, FileDialogKind::Open, filter);
}

std::optional<QString> CommonDialog::show(QWidget* parent, FileDialogKind kind,
                                          const QString& filter) {
    const std::optional<FileChoice> chosen =
        dialogs_.askFileName(parent, kind, qtFilter(filter), offeredName(fileName_, filter));
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

QString CommonDialog::offeredName(const QString& kept, const QString& filter) {
    const QString suffix = QFileInfo(kept).suffix().toLower();
    const QStringList offered = extensions(filter);
    const FileKind keptKind = kindOf(suffix);
    if (keptKind == FileKind::Other || offered.isEmpty() || keptKind == kindOf(offered.first()))
        return kept;
    return kept.chopped(suffix.size()) + offered.constFirst();
}
