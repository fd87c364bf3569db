#include "io/ChartFile.h"

#include "graph/ImageCanvas.h"
#include "graph/Twips.h"
#include "io/PdfDate.h"
#include "io/PictureFile.h"
#include "io/PngEncoder.h"
#include "io/SaveFile.h"
#include "io/SvgChart.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace {

constexpr double MetresPerInch = 0.0254;
const QString Title = QStringLiteral("量率グラフ");

// The chart's title, or the name of every chart where it has none.
QString titleOf(const ImageCanvas& canvas) {
    return canvas.title().trimmed().isEmpty() ? Title : canvas.title();
}

} // namespace

QImage chartImage(const ImageCanvas& canvas, int dpi) {
    if (dpi == PictureSettings::ScreenDpi)
        return canvas.image();
    const QSize twips = canvas.sizeTwips();
    const auto pixels = [dpi](int length) {
        return static_cast<int>(std::ceil(length * double(dpi) / TwipsPerInch));
    };
    QImage image(pixels(twips.width()), pixels(twips.height()), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / MetresPerInch));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(canvas.backColor());
    QPainter painter(&image);
    canvas.replay(painter);
    return image;
}

QByteArray chartPng(const ImageCanvas& canvas, int dpi) {
    return encodePng(chartImage(canvas, dpi));
}

QByteArray chartSvg(const ImageCanvas& canvas) {
    return svgChart(canvas, titleOf(canvas));
}

QByteArray chartPdf(const ImageCanvas& canvas, const PageSetup& page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(titleOf(canvas));
    pdf.setCreator(QStringLiteral("Tallyfold"));
    // A device unit a twip, so that the chart's place on the page is drawn as it is reckoned.
    pdf.setResolution(TwipsPerInch);
    const QSize twips = canvas.sizeTwips();
    if (page.paper == Paper::None) {
        // Page sizes come in whole points: the page is rounded up so that it holds the whole
        // canvas.
        const QSize points(static_cast<int>(std::ceil(twips.width() / double(TwipsPerPoint))),
                           static_cast<int>(std::ceil(twips.height() / double(TwipsPerPoint))));
        pdf.setPageLayout(QPageLayout(QPageSize(points, Title, QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
    } else {
        pdf.setPageLayout(paperLayout(page));
    }
    QPainter painter(&pdf);
    if (page.paper != Paper::None) {
        const ChartOnPage placed = placeChart(page.placement, paperTwips(page), twips);
        painter.translate(placed.area.topLeft());
        painter.scale(placed.scale, placed.scale);
    }
    canvas.replay(painter);
    painter.end();
    if (const std::optional<QDateTime> date = sourceDateEpoch())
        return withCreationDate(buffer.data(), *date);
    return buffer.data();
}

QByteArray chartBytes(const ImageCanvas& canvas, PictureFormat format,
                      const PictureSettings& settings) {
    switch (format) {
    case PictureFormat::Bmp:
        return bitmapBytes(chartImage(canvas, settings.dpi));
    case PictureFormat::Png:
        return chartPng(canvas, settings.dpi);
    case PictureFormat::Svg:
        return chartSvg(canvas);
    case PictureFormat::Pdf:
        return chartPdf(canvas, settings.page);
    }
    return {};
}

Result<void> saveChart(const ImageCanvas& canvas, const QString& path, PictureFormat format,
                       NewFile newFile, const PictureSettings& settings) {
    if (format == PictureFormat::Bmp)
        return savePicture(chartImage(canvas, settings.dpi), path, newFile);
    return saveBytes(Action::SavePicture, path, chartBytes(canvas, format, settings), newFile);
}
