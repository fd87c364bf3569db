#include "io/Printing.h"

#include "graph/ImageCanvas.h"
#include "graph/Twips.h"
#include "io/FileError.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cerrno>

namespace {

// Moves the painter's origin, at the printable area's corner, to where the page setup puts the
// chart on the printer's page (as the print dialog left it), drawn at the setup's scale.
void placeOnPage(QPainter& painter, const QPrinter& printer, const ImageCanvas& canvas,
                 const PageSetup& page) {
    const QRectF full = printer.pageLayout().fullRectPoints();
    const QRectF paint = printer.pageLayout().paintRectPoints();
    const auto twips = [](double points) { return qRound(points * TwipsPerPoint); };
    const QMargins printable(twips(paint.left()), twips(paint.top()),
                             twips(full.right() - paint.right()),
                             twips(full.bottom() - paint.bottom()));
    const ChartOnPage placed =
        placeChart(page.placement, QSize(twips(full.width()), twips(full.height())),
                   canvas.sizeTwips(), printable);
    const int dpi = printer.resolution();
    painter.translate(toDeviceUnits(placed.area.left() - printable.left(), dpi),
                      toDeviceUnits(placed.area.top() - printable.top(), dpi));
    painter.scale(placed.scale, placed.scale);
}

} // namespace

void preparePrinter(QPrinter& printer, const PageSetup& page) {
    printer.setDocName(QStringLiteral("量率グラフ"));
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("量率グラフ.pdf")));
    if (page.paper == Paper::None)
        return;
    // The printer's own margins stay: they are where it cannot print.
    const QPageLayout paper = paperLayout(page);
    printer.setPageSize(paper.pageSize());
    printer.setPageOrientation(paper.orientation());
}

Result<void> printPicture(QPrinter& printer, const ImageCanvas& canvas, const PageSetup& page) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        const int error = errno; // of opening the output file, when printing into one
        const QString file = printer.outputFileName();
        if (file.isEmpty())
            return Failure{Action::Print, {}, QStringLiteral("プリンターを開けませんでした。")};
        return Failure{Action::Print, file, fileErrorReason(file, error)};
    }
    if (page.paper != Paper::None)
        placeOnPage(painter, printer, canvas, page);
    canvas.replay(painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Failure{Action::Print, {}, QStringLiteral("プリンターがエラーを報告しました。")};
    return {};
}
