#include "app/QtDialogs.h"

#include "data/RuntimeError.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
const QString Title = QStringLiteral("Tallyfold");
}

void QtDialogs::reportError(QWidget* parent, const RuntimeError& error) {
    QMessageBox::critical(parent, Title, error.message());
}

void QtDialogs::warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, Title, text);
}

std::optional<QString> QtDialogs::askFileName(QWidget* parent, FileDialogKind kind,
                                              const QString& filter, const QString& initialName) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter);
    if (kind == FileDialogKind::Save) {
        // A file is replaced without a question and a name is used as typed, extension or not.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
