#include "io/Printing.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
constexpr double ScreenDotsPerInch = 96.0;
}

void preparePrinter(QPrinter& printer) {
    printer.setDocName(QStringLiteral("量率グラフ"));
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("量率グラフ.pdf")));
}

std::optional<QString> printPicture(QPrinter& printer, const QImage& picture) {
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("プリンターを開けませんでした。");
    const double scale = printer.resolution() / ScreenDotsPerInch;
    painter.drawImage(QRectF(0, 0, picture.width() * scale, picture.height() * scale), picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral("プリンターがエラーを報告しました。");
    return std::nullopt;
}

QString printMessage(const QString& error) {
    return QStringLiteral("印刷できませんでした。\n%1").arg(error);
}
