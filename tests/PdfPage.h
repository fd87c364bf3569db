#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>

// What the tests read of a PDF's page: its size as pdfinfo tells it ("595 x 842 pts (A4)") and
// the bounds of its coloured bars, rendered at 96 dots per inch (a pixel is 15 twips).
struct PdfPage {
    QString size;
    QRect bars;
};

inline QRect barsIn(const QImage& picture) {
    QRect bars;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y).hsvSaturation() > 200)
                bars |= QRect(x, y, 1, 1);
    return bars;
}

inline PdfPage pdfPage(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    const QString size = QString::fromUtf8(info.readAllStandardOutput())
                             .section(QStringLiteral("Page size:"), 1)
                             .section(u'\n', 0, 0)
                             .trimmed();
    QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "96", "-png", "-singlefile", pdf, pdf});
    return {size, barsIn(QImage(pdf + QStringLiteral(".png")))};
}
