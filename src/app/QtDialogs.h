#pragma once

#include "app/Dialogs.h"

#include <memory>

// The dialogs as the user sees them: Qt's message boxes and its own widget-based file dialog,
// which behaves the same on every desktop.
class QtDialogs : public Dialogs {
public:
    void reportError(QWidget* parent, const QString& message) override;
    void warn(QWidget* parent, const QString& text) override;
    std::optional<FileChoice> askFileName(QWidget* parent, FileDialogKind kind,
                                          const QString& filter,
                                          const QString& initialName) override;
    QMessageBox::StandardButton ask(QWidget* parent, const Question& question) override;
    bool askPrinter(QWidget* parent, QPrinter& printer) override;
    void showPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<void(QPrinter&)>& paint) override;
    std::optional<qsizetype> askSheet(QWidget* parent, const QString& file,
                                      const QStringList& sheets) override;
    std::optional<QRgb> askColour(QWidget* parent, QRgb initial, const QString& title) override;

    // The message box that ask() shows, built but not shown.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const Question& question);
};
