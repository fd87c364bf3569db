#pragma once

#include "app/Dialogs.h"
#include <QPrinter>
#include <QStringList>

#include <vector>

// Dialogs answered by the test: file dialogs take their answers from a queue (a null string, or
// nothing left, means cancel), and every report and question is kept.
class FakeDialogs : public Dialogs {
public:
    void reportError(QWidget*, const QString& message) override { errors << message; }
    void warn(QWidget*, const QString& text) override { warnings << text; }
    std::optional<FileChoice> askFileName(QWidget*, FileDialogKind kind, const QString& filter,
                                          const QString& initialName) override {
        fileDialogs.push_back({kind, filter, initialName});
        const QString answer = fileNames.isEmpty() ? QString() : fileNames.takeFirst();
        if (answer.isNull())
            return std::nullopt;
        return FileChoice{answer, filterIndex};
    }

    QMessageBox::StandardButton ask(QWidget*, const Question& question) override {
        questions.push_back(question);
        return answer;
    }
    bool askPrinter(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (pdfPath.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return true;
    }

    // The preview's page goes into a PDF file, where previewPath says.
    void showPrintPreview(QWidget*, QPrinter& printer,
                          const std::function<void(QPrinter&)>& paint) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewPath);
        paint(printer);
    }

    std::optional<qsizetype> askSheet(QWidget*, const QString&,
                                      const QStringList& sheets) override {
        sheetChoices.push_back(sheets);
        return sheetAnswer;
    }

    std::optional<QRgb> askColour(QWidget*, QRgb, const QString& title) override {
        colourTitles << title;
        return colourAnswer;
    }

    struct FileDialog {
        FileDialogKind kind;
        QString filter;
        QString initialName;
    };

    QStringList errors;
    QStringList warnings;
    QStringList fileNames;
    int filterIndex = 1; // the filter every answered file dialog reports as selected
    std::vector<FileDialog> fileDialogs;
    std::vector<Question> questions;
    QMessageBox::StandardButton answer = QMessageBox::No;
    int printDialogs = 0;
    QString pdfPath; // where an accepted print dialog sends the page; empty to cancel
    QString previewPath;
    std::vector<QStringList> sheetChoices;
    std::optional<qsizetype> sheetAnswer = 0; // nothing to cancel
    QStringList colourTitles;
    std::optional<QRgb> colourAnswer; // nothing to cancel
};
