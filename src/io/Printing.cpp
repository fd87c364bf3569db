#include "io/Printing.h"

#include "graph/ImageCanvas.h"
#include "io/FileError.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cerrno>

void preparePrinter(QPrinter& printer) {
    printer.setDocName(QStringLiteral("量率グラフ"));
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("量率グラフ.pdf")));
}

Result<void> printPicture(QPrinter& printer, const ImageCanvas& canvas) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        const int error = errno; // of opening the output file, when printing into one
        const QString file = printer.outputFileName();
        if (file.isEmpty())
            return Failure{Action::Print, {}, QStringLiteral("プリンターを開けませんでした。")};
        return Failure{Action::Print, file, fileErrorReason(file, error)};
    }
    canvas.replay(painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Failure{Action::Print, {}, QStringLiteral("プリンターがエラーを報告しました。")};
    return {};
}
