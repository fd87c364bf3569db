#include "PdfPage.h"
#include "Printers.h"

#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/TableContents.h"
#include "graph/ChartLayout.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/Twips.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"
#include "io/PngEncoder.h"
#include "io/RepeatDeflate.h"
#include "io/SaveFile.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtEndian>

#include <zlib.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>

namespace {

TEST(PictureFormat, FollowsTheExtensionInAnyCaseElseTheFilter) {
    const struct {
        const char* path;
        int filterIndex;
        PictureFormat format;
    } cases[] = {
        {"chart.png", 1, PictureFormat::Png}, {"chart.SVG", 1, PictureFormat::Svg},
        {"chart.Pdf", 2, PictureFormat::Pdf}, {"chart.bmp", 4, PictureFormat::Bmp},
        {"chart", 1, PictureFormat::Bmp},     {"chart", 2, PictureFormat::Png},
        {"chart", 3, PictureFormat::Svg},     {"chart", 4, PictureFormat::Pdf},
        {"chart.txt", 3, PictureFormat::Svg}, {"png", 1, PictureFormat::Bmp},
        {"a.pdf.png", 3, PictureFormat::Png},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureFormat(QString::fromUtf8(c.path), c.filterIndex), c.format)
            << c.path << " under filter " << c.filterIndex;
}

QImage decoded(const QByteArray& png) {
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage filled(QSize size, const QBrush& brush) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(image.rect(), brush);
    return image;
}

TEST(PngEncoder, KeepsEveryPixel) {
    QImage noise(97, 31, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random() | 0xFF000000u);
    const struct {
        const char* name;
        QImage image;
    } cases[] = {
        {"one colour", filled({457, 505}, QColor(0xE0, 0xE0, 0xE0))},
        {"one pixel", filled({1, 1}, Qt::red)},
        {"noise", noise},
        {"hatching", filled({200, 40}, QBrush(Qt::black, Qt::DiagCrossPattern))},
        {"rows longer than a match can reach back", filled({11000, 3}, QColor(1, 2, 3))},
        {"alpha dropped", noise.convertToFormat(QImage::Format_ARGB32)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decoded(encodePng(c.image)), c.image.convertToFormat(QImage::Format_RGB32))
            << c.name;

    QImage screen = cases[0].image;
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    EXPECT_EQ(QImage::fromData(encodePng(screen)).dotsPerMeterX(), 3780) << "96 dpi kept";
}

TEST(PngEncoder, GivesNoBytesForAPictureWithoutPixels) {
    EXPECT_TRUE(encodePng(QImage()).isEmpty());
    EXPECT_TRUE(encodePng(QImage(0, 5, QImage::Format_RGB32)).isEmpty());
}

TEST(RepeatDeflate, LeavesUnusedTheDistancesDeflateCannotCode) {
    // Noise that repeats 40,000 bytes on and from the first byte on.
    std::mt19937 random(3);
    QByteArray data(40000, Qt::Uninitialized);
    for (char& byte : data)
        byte = char(random());
    data += data.left(10000);
    const std::vector<int> cases[] = {{0}, {-1, 1}, {INT_MIN}, {32769}, {40000, 32768}};
    QByteArray sized(4, '\0'); // qUncompress reads the size first
    qToBigEndian(quint32(data.size()), sized.data());
    for (const std::vector<int>& distances : cases)
        EXPECT_TRUE(qUncompress(sized + repeatDeflate(data, distances)) == data)
            << distances.front();
}

// A colour chart of a small table on a canvas as a new graph window has it.
struct DrawnChart {
    TableContents boxes;
    WindowlessGraph graph;

    explicit DrawnChart(const QString& title = QStringLiteral("売上構成"),
                        const QString& rowLabel = QStringLiteral("東京"),
                        const QString& columnLabel = QStringLiteral("食品")) {
        boxes.setDescription(Description::Title, title);
        boxes.setRowLabel(1, rowLabel);
        boxes.setColumnLabel(1, columnLabel);
        for (int c = 1; c <= 3; ++c)
            boxes.setValue(1, c, QString::number(c * 10));
        boxes.setValue(2, 1, QStringLiteral("90"));
        DataTable table;
        inputData(boxes, table);
        PlotGeometry plot;
        drawColourChart(plot, table, boxes, graph, GraphSize::Standard,
                        chartTextMetrics(NewCanvasWidth));
        graph.picture().setTitle(title); // as the window and the command line do
    }
    const ImageCanvas& canvas() const { return graph.picture(); }
};

const QStringList ChartTexts = {QStringLiteral("売上構成"), QStringLiteral("東京"),
                                QStringLiteral("食品"), QStringLiteral("(総計：150)")};

// What the tests read of an SVG file: its root's attributes, its titles and its texts.
struct SvgParts {
    QXmlStreamAttributes root;
    QStringList titles;
    QStringList texts;
    QString error; // empty for a well-formed file
};

SvgParts svgParts(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    SvgParts parts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg"))
            parts.root = xml.attributes();
        else if (xml.name() == QLatin1String("title"))
            parts.titles << xml.readElementText();
        else if (xml.name() == QLatin1String("text"))
            parts.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    if (xml.hasError())
        parts.error = xml.errorString();
    return parts;
}

TEST(ChartFile, PngHoldsThePixelsOfTheBitmap) {
    const DrawnChart chart;
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("chart.bmp"));
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_TRUE(saveChart(chart.canvas(), bmp, PictureFormat::Bmp));
    ASSERT_TRUE(saveChart(chart.canvas(), png, PictureFormat::Png));
    const QImage fromBmp(bmp, "BMP");
    ASSERT_EQ(fromBmp.size(), QSize(457, 505));
    EXPECT_EQ(QImage(png, "PNG").convertToFormat(QImage::Format_RGB32),
              fromBmp.convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(saveChart(chart.canvas(), dir.filePath(QStringLiteral("no/such/chart.png")),
                           PictureFormat::Png))
        << "a failure is reported";
}

// The mean difference of two pictures' channels, from 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(ChartFile, PngAndBmpAreDrawnAtTheResolutionAskedAndRecordIt) {
    const DrawnChart chart;
    const QImage screen = chart.canvas().image().convertToFormat(QImage::Format_RGB32);
    for (PictureFormat format : {PictureFormat::Png, PictureFormat::Bmp}) {
        EXPECT_EQ(chartBytes(chart.canvas(), format, {}), chartBytes(chart.canvas(), format));
        const QImage fine = QImage::fromData(chartBytes(chart.canvas(), format, {300, {}}));
        EXPECT_EQ(fine.size(), QSize(1429, 1579)); // 457 x 505 pixels at 96 dpi, rounded up
        EXPECT_EQ(fine.dotsPerMeterX(), 11811);
        EXPECT_EQ(fine.dotsPerMeterY(), 11811);
        const QImage back =
            fine.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        EXPECT_LT(meanDifference(back, screen), 6) << "the same chart, only finer";
        // The chart is far from a blank picture by the same measure.
        EXPECT_GT(meanDifference(screen, filled(screen.size(), Qt::white)), 6);
    }
}

TEST(ChartFile, SvgHasTheCanvasPhysicalSizeAndItsTextsAsText) {
    const DrawnChart chart;
    const SvgParts svg = svgParts(chartSvg(chart.canvas()));
    ASSERT_EQ(svg.error, QString());
    for (const QString& text : ChartTexts)
        EXPECT_TRUE(svg.texts.contains(text)) << text.toStdString();
    const QXmlStreamAttributes& root = svg.root;
    // 6855 x 7575 twips, 1440 to the inch.
    const auto millimetres = [&](const char* name) {
        return root.value(QLatin1String(name)).chopped(2).toDouble();
    };
    EXPECT_NEAR(millimetres("width"), 6855 / 1440.0 * 25.4, 0.01);
    EXPECT_NEAR(millimetres("height"), 7575 / 1440.0 * 25.4, 0.01);
    EXPECT_TRUE(root.value(QLatin1String("height")).endsWith(QLatin1String("mm")));
}

// Control characters become spaces on the canvas, so the SVG shows them as the picture does.
TEST(ChartFile, SvgLeavesOutWhatXmlCannotHoldAndKeepsTheRestOfTheTexts) {
    const QString lone = QChar(0xD800);
    const DrawnChart chart(QStringLiteral("売\u0001上\u001B構\uFFFE成") + lone,
                           QStringLiteral("東\uFFFF京"),
                           QStringLiteral("\U00020BB7") + QChar(0xDC00) + QStringLiteral("食品"));
    const QByteArray svg = chartSvg(chart.canvas());
    const SvgParts parts = svgParts(svg);
    ASSERT_EQ(parts.error, QString());
    for (const QString& text :
         {QStringLiteral("売 上 構成"), QStringLiteral("東京"), QStringLiteral("\U00020BB7食品")})
        EXPECT_TRUE(parts.texts.contains(text)) << text.toStdString();

    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(saveBytes(Action::SavePicture, path, svg));
    QProcess lint;
    lint.start(xmllint, {QStringLiteral("--noout"), path});
    ASSERT_TRUE(lint.waitForFinished(30000));
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ChartFile, PdfIsOnePageOfTheCanvasSizeWithSearchableTextsAndColouredBars) {
    const DrawnChart chart;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(saveChart(chart.canvas(), pdf, PictureFormat::Pdf));

    // Whole points: 6855 x 7575 twips are 342.75 x 378.75 points, rounded up.
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       343 x 379 pts")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const QString& expected : ChartTexts)
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();

    // At 96 dots per inch the page's pixels lie where the canvas's do.
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    const QImage& canvas = chart.canvas().image();
    int bars = 0;
    for (const QPoint& p : {QPoint(110, 63), QPoint(180, 63), QPoint(300, 63), QPoint(300, 300)}) {
        const QColor expected = canvas.pixelColor(p);
        const QColor actual = page.pixelColor(p);
        if (expected.hsvSaturation() > 200)
            ++bars;
        EXPECT_LE(std::abs(expected.red() - actual.red()) +
                      std::abs(expected.green() - actual.green()) +
                      std::abs(expected.blue() - actual.blue()),
                  12)
            << p.x() << "," << p.y();
    }
    EXPECT_GE(bars, 3) << "the points sample coloured segments";
}

TEST(ChartFile, PdfOnPaperHasThePapersPageAndTheChartWhereThePageSetupPutsIt) {
    const DrawnChart chart;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    const struct {
        PageSetup page;
        const char* size;
    } cases[] = {
        {{Paper::A4}, "595 x 842 pts"},
        {{Paper::A4, PageOrientation::Landscape, ChartPlacement::Centre}, "842 x 595 pts"},
        {{Paper::A3, PageOrientation::Portrait, ChartPlacement::Fit}, "842 x 1191 pts"},
        {{Paper::B4, PageOrientation::Landscape, ChartPlacement::Fit}, "1032 x 729 pts"},
        {{Paper::B5, PageOrientation::Portrait, ChartPlacement::Centre}, "516 x 729 pts"},
        {{Paper::Letter, PageOrientation::Landscape}, "792 x 612 pts"},
    };
    const QRect canvasBars = barsIn(chart.canvas().image());
    for (const auto& c : cases) {
        ASSERT_TRUE(saveChart(chart.canvas(), pdf, PictureFormat::Pdf, NewFile::Synced,
                              {PictureSettings::ScreenDpi, c.page}));
        // The bars lie where the placement puts the canvas, at its scale.
        const auto [size, pageBars] = pdfPage(pdf);
        EXPECT_TRUE(size.startsWith(c.size)) << size.toStdString();
        const ChartOnPage placed =
            placeChart(c.page.placement, paperTwips(c.page), chart.canvas().sizeTwips());
        const QPointF corner = QPointF(placed.area.topLeft()) / TwipsPerPixel +
                               QPointF(canvasBars.topLeft()) * placed.scale;
        EXPECT_LE((pageBars.topLeft() - corner).manhattanLength(), 3) << c.size;
        EXPECT_NEAR(pageBars.width(), canvasBars.width() * placed.scale, 3) << c.size;
    }
}

// The PDF's runs of text: the contents of its BT ... ET blocks.
QList<QByteArray> pdfTextRuns(const QByteArray& pdf) {
    QList<QByteArray> runs;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        QByteArray plain(1 << 20, '\0');
        uLongf size = plain.size();
        const QByteArray packed = pdf.mid(at, end - at);
        if (uncompress(reinterpret_cast<Bytef*>(plain.data()), &size,
                       reinterpret_cast<const Bytef*>(packed.data()), packed.size()) != Z_OK)
            continue;
        plain.truncate(qsizetype(size));
        for (qsizetype bt = plain.indexOf("BT\n"); bt >= 0; bt = plain.indexOf("BT\n", bt + 1))
            runs << plain.mid(bt, plain.indexOf("ET\n", bt) - bt);
    }
    return runs;
}

TEST(ChartFile, VectorFilesCarryTheTitleAndEachTextWhole) {
    const struct {
        const char* title;
        const char* documentTitle;
    } cases[] = {{"家計の内訳", "家計の内訳"}, {"", "量率グラフ"}, {"  ", "量率グラフ"}};
    for (const auto& c : cases) {
        const DrawnChart chart(QString::fromUtf8(c.title), QStringLiteral("量率テスト"),
                               QStringLiteral("の内訳"));
        const QString expected = QString::fromUtf8(c.documentTitle);
        const SvgParts svg = svgParts(chartSvg(chart.canvas()));
        EXPECT_EQ(svg.titles, QStringList{expected}) << c.title;
        for (const char* whole : {"量率テスト", "の内訳", c.title}) {
            if (*whole) {
                EXPECT_TRUE(svg.texts.contains(QString::fromUtf8(whole))) << whole;
            }
        }

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        const QByteArray bytes = chartPdf(chart.canvas());
        ASSERT_TRUE(saveBytes(Action::SavePicture, pdf, bytes));
        EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf})
                        .contains(QRegularExpression(QStringLiteral("Title: +") + expected +
                                                     QLatin1Char('\n'))))
            << c.title;
        // Every text of this chart is in one font: one run each.
        int drawnTexts = 0;
        chart.canvas().record().visit([&](const CanvasOperation& op, std::optional<int>) {
            drawnTexts += op.kind == CanvasOperation::Kind::Text && !op.text.isEmpty();
        });
        EXPECT_EQ(pdfTextRuns(bytes).size(), drawnTexts) << c.title;
    }
}

} // namespace
