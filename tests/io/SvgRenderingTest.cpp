// The SVG of a chart as a real renderer (librsvg's rsvg-convert) draws it at 96 DPI, compared with
// the chart's PNG: anti-aliasing and glyph placement move edges by a pixel, nothing more.

#include "graph/RandomCharts.h"

#include "data/TableContents.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int lightness(QRgb c) {
    return qGray(c);
}

// Pixels of `drawn` within `area` that differ from every pixel of `expected` within `reach` pixels
// of the same place: a shape or text in one picture that the other lacks.
int strayPixels(const QImage& drawn, const QImage& expected, QSize area, int reach) {
    int stray = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const int light = lightness(drawn.pixel(x, y));
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx) {
                    const QPoint p(x + dx, y + dy);
                    near =
                        expected.valid(p) && std::abs(lightness(expected.pixel(p)) - light) < 128;
                }
            stray += near ? 0 : 1;
        }
    return stray;
}

struct RenderCase {
    std::string name;
    ChartStyle style;
    TableContents boxes;
    // How far an edge may move: a pixel for the hatching, two where glyph hinting and segments
    // thinner than a pixel (snapped in the PNG, blended by the renderer) crowd a busy chart.
    int reach = 1;
};

} // namespace

TEST(SvgRendering, RendererDrawsWhatThePngShows) {
    TableContents boxes;
    const char* const columns[] = {"食費", "住居", "光熱", "教養", "交通", "医療",
                                   "衣服", "通信", "教育", "交際", "貯蓄", "その他"};
    for (int c = 1; c <= 12; ++c)
        boxes.setColumnLabel(c, QString::fromUtf8(columns[c - 1]));
    for (int r = 1; r <= 4; ++r) {
        boxes.setRowLabel(r, QStringLiteral("%1年").arg(2018 + r));
        for (int c = 1; c <= 12; ++c)
            boxes.setValue(r, c, QString::number(10 + (r * 7 + c * 13) % 40));
    }
    boxes.setDescription(Description::Title, QStringLiteral("家計の内訳"));
    boxes.setDescription(Description::Unit, QStringLiteral("千円"));

    std::vector<RenderCase> cases{{"colour", {false, GraphSize::Standard, {}}, boxes},
                                  {"pattern", {true, GraphSize::Standard, {}}, boxes},
                                  {"pattern tall", {true, GraphSize::Tall, {}}, boxes},
                                  {"pattern wide", {true, GraphSize::Wide, {}}, boxes}};
    // Charts of the layout's property test, in every size, order and option: shrunk, broken and
    // left-out labels, segment numbers, cut negative values.
    for (const RandomChart& chart : randomCharts(40, 20240607))
        cases.push_back({"random " + std::to_string(cases.size()), chart.style, chart.boxes, 2});
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const RenderCase& c : cases) {
        WindowlessGraph graph;
        if (!drawOnNewWindow(graph, c.boxes, c.style))
            continue;

        const QString svg = dir.filePath(QStringLiteral("chart.svg"));
        const QString rendered = dir.filePath(QStringLiteral("chart.png"));
        ASSERT_TRUE(saveChart(graph.picture(), svg, PictureFormat::Svg));
        QProcess rsvg;
        rsvg.start(QStringLiteral("rsvg-convert"),
                   {QStringLiteral("-d"), QStringLiteral("96"), QStringLiteral("-p"),
                    QStringLiteral("96"), QStringLiteral("-b"), QStringLiteral("white"), svg,
                    QStringLiteral("-o"), rendered});
        ASSERT_TRUE(rsvg.waitForFinished(60000)) << c.name;
        ASSERT_EQ(rsvg.exitCode(), 0) << c.name << ": " << rsvg.readAllStandardError().data();

        const QImage png = graph.picture().image().convertToFormat(QImage::Format_RGB32);
        const QImage drawn = QImage(rendered).convertToFormat(QImage::Format_RGB32);
        ASSERT_GE(drawn.width(), png.width()) << c.name;
        ASSERT_GE(drawn.height(), png.height()) << c.name;
        const int pixels = png.width() * png.height();
        // Text glyphs are placed by each renderer's own hinting: some pixels of a chart's
        // texts land further than the neighbourhood allows.
        EXPECT_LT(strayPixels(drawn, png, png.size(), c.reach), pixels / 1000)
            << c.name << ": shapes the PNG lacks";
        EXPECT_LT(strayPixels(png, drawn, png.size(), c.reach), pixels / 1000)
            << c.name << ": shapes the SVG lacks";
    }
}
