#pragma once

#include "app/Quit.h"

#include <QRgb>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

enum class FileDialogKind { Open, Save };

// The file the user chose, and which of the offered filters was selected (from 1).
struct FileChoice {
    QString path;
    int filterIndex = 1;
};

// The message boxes and dialogs of the program, behind an interface so that tests answer them
// without a screen.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Tells the user that an action failed with a numbered error (RuntimeError::message).
    virtual void reportError(QWidget* parent, const QString& message) = 0;
    // Tells the user something went wrong, or not quite right.
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // Asks for a file name; `filter` is in Qt's form ("text (*.txt);;CSV (*.csv)"). Nothing when
    // cancelled.
    virtual std::optional<FileChoice> askFileName(QWidget* parent, FileDialogKind kind,
                                                  const QString& filter,
                                                  const QString& initialName) = 0;
    // Asks the question in a message box; the answer is the button pressed.
    virtual QMessageBox::StandardButton ask(QWidget* parent, const Question& question) = 0;
    // Shows the print dialog, whose choice of printer and settings go into `printer`; false when
    // cancelled.
    virtual bool askPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the print preview of the pages that `paint` draws on the printer it is given, which
    // the user may print from there.
    virtual void showPrintPreview(QWidget* parent, QPrinter& printer,
                                  const std::function<void(QPrinter&)>& paint) = 0;
    // Asks which of the workbook's sheets that hold a table to load, the first offered; the
    // index of the one chosen, nothing when cancelled.
    virtual std::optional<qsizetype> askSheet(QWidget* parent, const QString& file,
                                              const QStringList& sheets) = 0;
    // Asks for a colour, `initial` chosen first; nothing when cancelled.
    virtual std::optional<QRgb> askColour(QWidget* parent, QRgb initial, const QString& title) = 0;
};
