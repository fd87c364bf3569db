#include "app/QtDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
const QString Title = QStringLiteral("Tallyfold");
}

void QtDialogs::reportError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, Title, message);
}

void QtDialogs::warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, Title, text);
}

std::optional<FileChoice> QtDialogs::askFileName(QWidget* parent, FileDialogKind kind,
                                                 const QString& filter,
                                                 const QString& initialName) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter);
    if (kind == FileDialogKind::Save) {
        // A name is used as typed, extension or not; an existing file is replaced only after the
        // dialog's own question, whose No returns to the dialog.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice{dialog.selectedFiles().constFirst(),
                      static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) +
                          1};
}

std::unique_ptr<QMessageBox> QtDialogs::messageBox(QWidget* parent, const Question& question) {
    auto box = std::make_unique<QMessageBox>(question.icon, question.title, question.text,
                                             question.buttons, parent);
    box->setDefaultButton(question.defaultButton);
    // Japanese captions whether or not Qt's translation is installed.
    if (QAbstractButton* yes = box->button(QMessageBox::Yes))
        yes->setText(question.yesText);
    if (QAbstractButton* no = box->button(QMessageBox::No))
        no->setText(question.noText);
    if (QAbstractButton* cancel = box->button(QMessageBox::Cancel))
        cancel->setText(question.cancelText);
    return box;
}

QMessageBox::StandardButton QtDialogs::ask(QWidget* parent, const Question& question) {
    const std::unique_ptr<QMessageBox> box = messageBox(parent, question);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

bool QtDialogs::askPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::showPrintPreview(QWidget* parent, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

std::optional<qsizetype> QtDialogs::askSheet(QWidget* parent, const QString& file,
                                             const QStringList& sheets) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(Title);
    dialog.setLabelText(QStringLiteral("「%1」には表のあるシートが %2 枚あります。"
                                       "読み込むシートを選んでください。")
                            .arg(QFileInfo(file).fileName())
                            .arg(sheets.size()));
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(sheets);
    dialog.setTextValue(sheets.value(0));
    dialog.setOkButtonText(QStringLiteral("読み込む"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const qsizetype chosen = sheets.indexOf(dialog.textValue());
    return chosen < 0 ? std::nullopt : std::optional<qsizetype>(chosen);
}

std::optional<QRgb> QtDialogs::askColour(QWidget* parent, QRgb initial, const QString& title) {
    const QColor colour = QColorDialog::getColor(QColor(initial), parent, title);
    return colour.isValid() ? std::optional(colour.rgb()) : std::nullopt;
}
