#include "io/Printing.h"

#include "graph/ImageCanvas.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

void preparePrinter(QPrinter& printer) {
    printer.setDocName(QStringLiteral("量率グラフ"));
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("量率グラフ.pdf")));
}

std::optional<QString> printPicture(QPrinter& printer, const ImageCanvas& canvas) {
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("プリンターを開けませんでした。");
    canvas.replay(painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral("プリンターがエラーを報告しました。");
    return std::nullopt;
}

QString printMessage(const QString& error) {
    return QStringLiteral("印刷できませんでした。\n%1").arg(error);
}
