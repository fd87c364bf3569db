#include "ChartFixture.h"

#include "graph/Fonts.h"
#include "graph/GraphSize.h"
#include "graph/ImageCanvas.h"
#include "graph/Twips.h"

#include "Printers.h"

#include <QFontMetrics>
#include <QPainter>

#include <limits>

#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFF; // pixels compare without alpha
constexpr QRgb Black = 0x000000;

QRgb pixelAt(const ImageCanvas& canvas, double xTwips, double yTwips) {
    return canvas.image().pixel(toPixels(xTwips), toPixels(yTwips)) & 0xFFFFFF;
}

// A graph surface over an image canvas of the graph window's creation size.
struct ImageSurface : GraphSurface {
    ImageCanvas pic{NewCanvasWidth, NewCanvasHeight, NewCanvasColour};
    Canvas& canvas() override { return pic; }
    void setWindowHeight(int) override {}
};

TEST(ImageCanvasChart, SegmentsScaleAndLegendShowTheirColours) {
    ChartFixture f;
    f.setRow(1, {30, 20, 50});
    f.setRow(2, {900});
    ImageSurface surface;
    inputData(f.boxes, f.table);
    drawColourChart(f.plot, f.table, f.boxes, surface, GraphSize::Standard, f.metrics);
    const ImageCanvas& pic = surface.pic;

    EXPECT_EQ(pic.image().size(), QSize(457, 505));
    EXPECT_EQ(pixelAt(pic, 2300, 950), 0xFF0000u);
    EXPECT_EQ(pixelAt(pic, 3550, 950), 0xFFFF00u);
    EXPECT_EQ(pixelAt(pic, 5300, 950), 0x00FF00u);
    EXPECT_EQ(pixelAt(pic, 4000, 3450), 0xFF0000u); // bar 2
    EXPECT_EQ(pixelAt(pic, 3050, 950), Black);      // outline between segments 1 and 2
    EXPECT_EQ(pixelAt(pic, 4000, 1200), Black);     // outline between bars 1 and 2

    for (double x : {1700.0, 3300.0, 5000.0, 6500.0})
        EXPECT_EQ(pixelAt(pic, x, 6000), Black) << "scale line at " << x;
    EXPECT_EQ(pixelAt(pic, 1800, 5940), White) << "between ticks";
    EXPECT_EQ(pixelAt(pic, 2050, 5960), Black) << "tick";

    const QRgb keys[] = {0xFF0000, 0xFFFF00, 0x00FF00, 0x0000FF, 0x00FFFF, 0xFF00FF,
                         0xC0C0C0, 0x808000, 0x008000, 0x800080, 0x008080, 0x800000};
    for (int k = 1; k <= 12; ++k) {
        const int x = 1550 + 1250 * ((k - 1) % 4) + 50;
        const int y = 6400 + 200 * ((k - 1) / 4) + 75;
        EXPECT_EQ(pixelAt(pic, x, y), keys[k - 1]) << "legend key " << k;
    }
    EXPECT_EQ(pixelAt(pic, 6800, 7500), White); // background
}

// Segments thousands of canvases long are cut by the plot area: the red one runs far right of
// it, the yellow one back, the green one over both; nothing shows right of it or in the margin.
TEST(ImageCanvasChart, FarOffSegmentsAreCutByThePlotArea) {
    ChartFixture f;
    f.setRow(1, {10000000, -10000000, 1});
    ImageSurface surface;
    inputData(f.boxes, f.table);
    drawColourChart(f.plot, f.table, f.boxes, surface, GraphSize::Standard, f.metrics);

    for (double y : {1500.0, 3200.0, 5000.0}) {
        EXPECT_EQ(pixelAt(surface.pic, 6500, y), 0x00FF00u) << "in the plot area at " << y;
        EXPECT_EQ(pixelAt(surface.pic, 6780, y), White) << "right of the plot area at " << y;
        EXPECT_EQ(pixelAt(surface.pic, 750, y), White) << "label margin at " << y;
    }
}

TEST(Twips, FarOffAndNonNumbersBecomePixelsBeyondTheCanvasWithoutWrapping) {
    const double huge = std::numeric_limits<double>::max();
    const struct {
        double twips;
        int pixels;
    } cases[] = {
        {0, 0},
        {-22, -1},
        {5e10, PixelLimit},
        {-5e10, -PixelLimit},
        {huge, PixelLimit},
        {-huge, -PixelLimit},
        {std::numeric_limits<double>::infinity(), PixelLimit},
        {-std::numeric_limits<double>::infinity(), -PixelLimit},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toPixels(c.twips), c.pixels) << c.twips;
}

// The interior of a 40 x 40 pixel box drawn with one fill style, as a grid of black or not.
struct Hatch {
    static constexpr int Size = 40;
    QImage image;

    explicit Hatch(FillStyle style) {
        ImageCanvas canvas(Size * 2 * TwipsPerPixel, Size * 2 * TwipsPerPixel, White);
        canvas.setFillColor(Black);
        canvas.setFillStyle(style);
        canvas.line(LineForm::Box, 150, 150, (Size + 10) * TwipsPerPixel,
                    (Size + 10) * TwipsPerPixel);
        image = canvas.image().copy(12, 12, Size - 4, Size - 4);
    }
    bool black(int x, int y) const { return (image.pixel(x, y) & 0xFFFFFF) == Black; }
    bool anyFullRow() const { return anyLine(true); }
    bool anyFullColumn() const { return anyLine(false); }
    int count() const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += black(x, y);
        return n;
    }
    // Some black pixel continues diagonally up to the right (/) or down to the right (\).
    bool diagonal(int dy) const {
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 0; x < image.width() - 2; ++x)
                if (black(x, y) && black(x + 1, y + dy) && black(x + 2, y + 2 * dy) &&
                    !black(x + 1, y) && !black(x, y + dy))
                    return true;
        return false;
    }

private:
    bool anyLine(bool rows) const {
        for (int i = 0; i < Size - 4; ++i) {
            bool full = true;
            for (int j = 0; j < Size - 4 && full; ++j)
                full = rows ? black(j, i) : black(i, j);
            if (full)
                return true;
        }
        return false;
    }
};

TEST(ImageCanvasFill, EachStyleShowsItsPattern) {
    const int area = (Hatch::Size - 4) * (Hatch::Size - 4);
    EXPECT_EQ(Hatch(FillStyle::Solid).count(), area);
    EXPECT_EQ(Hatch(FillStyle::Transparent).count(), 0);

    const Hatch horizontal(FillStyle::Horizontal);
    EXPECT_TRUE(horizontal.anyFullRow());
    EXPECT_FALSE(horizontal.anyFullColumn());

    const Hatch vertical(FillStyle::Vertical);
    EXPECT_TRUE(vertical.anyFullColumn());
    EXPECT_FALSE(vertical.anyFullRow());

    const Hatch upward(FillStyle::UpwardDiagonal);
    EXPECT_TRUE(upward.diagonal(-1)) << "4 rises from lower left to upper right";
    EXPECT_FALSE(upward.diagonal(+1));

    const Hatch downward(FillStyle::DownwardDiagonal);
    EXPECT_TRUE(downward.diagonal(+1)) << "5 falls from upper left to lower right";
    EXPECT_FALSE(downward.diagonal(-1));

    const Hatch cross(FillStyle::Cross);
    EXPECT_TRUE(cross.anyFullRow());
    EXPECT_TRUE(cross.anyFullColumn());

    const Hatch diagonalCross(FillStyle::DiagonalCross);
    EXPECT_TRUE(diagonalCross.diagonal(-1));
    EXPECT_TRUE(diagonalCross.diagonal(+1));
    EXPECT_FALSE(diagonalCross.anyFullRow());

    for (FillStyle style :
         {FillStyle::Horizontal, FillStyle::Vertical, FillStyle::UpwardDiagonal,
          FillStyle::DownwardDiagonal, FillStyle::Cross, FillStyle::DiagonalCross}) {
        const int n = Hatch(style).count();
        EXPECT_GT(n, area / 20) << static_cast<int>(style);
        EXPECT_LT(n, area / 2) << static_cast<int>(style);
    }
}

TEST(ImageCanvas, ClsKeepsTheBackgroundPictureAndResetsTheTextPosition) {
    ImageCanvas canvas(1500, 1500, qRgb(0xE0, 0xE0, 0xE0));
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    canvas.setPicture(picture);
    canvas.line(LineForm::FilledBox, 0, 0, 1500, 1500, qRgb(9, 9, 9));
    canvas.setCurrentX(300);
    canvas.setCurrentY(300);
    canvas.cls();

    EXPECT_EQ(canvas.image().pixel(5, 5) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
    EXPECT_EQ(canvas.image().pixel(50, 50) & 0xFFFFFF, 0xE0E0E0u);
    EXPECT_EQ(canvas.currentX(), 0.f);
    EXPECT_EQ(canvas.currentY(), 0.f);

    canvas.setBackColor(White);
    EXPECT_EQ(canvas.image().pixel(50, 50) & 0xFFFFFF, White);
    EXPECT_EQ(canvas.image().pixel(5, 5) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
}

TEST(ImageCanvas, PrintDrawsBelowAndRightOfThePositionThenMovesToTheNextLine) {
    ImageCanvas canvas(3000, 1500, White);
    canvas.setCurrentX(600);
    canvas.setCurrentY(300);
    canvas.print(QStringLiteral("HHH"));
    EXPECT_EQ(canvas.currentX(), 0.f);
    EXPECT_GE(canvas.currentY(), 300.f + 165);
    EXPECT_LE(canvas.currentY(), 300.f + 240);

    const QImage& image = canvas.image();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != White)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 40);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.top(), 25);
    EXPECT_LE(ink.bottom(), 20 + 13);
}

TEST(ImageCanvas, LineWidthAndHeightChanges) {
    ImageCanvas canvas(1500, 1500, White);
    canvas.setDrawWidth(2);
    canvas.line(LineForm::Line, 150, 750, 1350, 750);
    int thickness = 0;
    for (int y = 45; y <= 55; ++y)
        thickness += (canvas.image().pixel(50, y) & 0xFFFFFF) == Black;
    EXPECT_EQ(thickness, 2);

    canvas.setHeight(3000);
    EXPECT_EQ(canvas.image().height(), 200);
    EXPECT_EQ(canvas.image().pixel(50, 50) & 0xFFFFFF, Black) << "drawing kept";
    EXPECT_EQ(canvas.image().pixel(50, 150) & 0xFFFFFF, White);
}

TEST(ImageCanvas, RowsAddedByAHeightShowTheBackgroundPictureAtItsOwnSize) {
    ImageCanvas canvas(1500, 1500, White); // 100 x 100 pixels
    QImage picture(60, 250, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    canvas.setPicture(picture);
    canvas.line(LineForm::FilledBox, 0, 1200, 1500, 1500, qRgb(9, 9, 9));

    const auto at = [&canvas](int x, int y) { return canvas.image().pixel(x, y) & 0xFFFFFF; };
    const QRgb shown = qRgb(1, 2, 3) & 0xFFFFFF;
    canvas.setHeight(3000);
    EXPECT_EQ(at(30, 95), qRgb(9, 9, 9) & 0xFFFFFFu) << "drawing kept";
    EXPECT_EQ(at(30, 150), shown);
    EXPECT_EQ(at(80, 150), White) << "right of the picture";

    canvas.setHeight(750);
    canvas.setHeight(4500);
    for (int y : {60, 120, 249})
        EXPECT_EQ(at(30, y), shown) << "shown again at " << y;
    EXPECT_EQ(at(30, 250), White) << "below the picture";
}

} // namespace

namespace {

// `length` letters of the alphabet starting at `first`, in an order that does not repeat soon,
// so that a text shown from its other end looks different.
QString letters(char16_t first, int alphabet, int length) {
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(static_cast<char16_t>(first + (i * i + i / 7) % alphabet));
    return text;
}

TEST(ImageCanvas, ALongTextShowsExactlyWhatTheWholeTextWould) {
    const QString hebrew = letters(u'\u05D0', 27, 3000);
    const QString arabic = letters(u'\u0627', 20, 3000);
    for (const QString& text :
         {QString(100000, QChar(u'長')), QString(5000, QLatin1Char('i')),
          QStringLiteral("a\u0301").repeated(3000), hebrew, arabic,
          QStringLiteral("Ab ") + hebrew.left(100) + QStringLiteral(" 12 cd") + arabic,
          letters(u'a', 26, 3000) + hebrew, QStringLiteral("1 ").repeated(200) + hebrew,
          QStringLiteral("12 (\u0661\u0662") + hebrew.left(200),
          QStringLiteral("x\u202Eabc").repeated(500)}) {
        ImageCanvas canvas(3000, 600, White);
        canvas.setCurrentX(150);
        canvas.setCurrentY(150);
        canvas.print(text);

        QImage whole(canvas.image().size(), QImage::Format_RGB32);
        whole.setDotsPerMeterX(canvas.image().dotsPerMeterX());
        whole.setDotsPerMeterY(canvas.image().dotsPerMeterY());
        whole.fill(White);
        QPainter painter(&whole);
        painter.setFont(chartFont());
        painter.setPen(Qt::black);
        painter.drawText(QPointF(10, 10 + QFontMetrics(chartFont()).ascent()), text);
        painter.end();
        EXPECT_EQ(canvas.image(), whole) << text.left(8).toStdString();
    }
}

} // namespace

namespace {

// The canvas drawn again onto an image of `dotsPerInch`, at the canvas's physical size.
QImage replayed(const ImageCanvas& canvas, int dotsPerInch) {
    QImage image(canvas.sizeTwips() * dotsPerInch / TwipsPerInch, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(qRgb(1, 2, 3)); // the replay covers it all
    QPainter painter(&image);
    canvas.replay(painter);
    return image;
}

TEST(ImageCanvasReplay, OnAScreenImageGivesThePicturePixelForPixel) {
    ChartFixture f;
    f.setRow(1, {30, 20, 50, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    f.setRow(2, {10000000, -10000000, 1}); // far-off segments, clamped
    f.setRow(3, {900});
    f.boxes.setDescription(Description::Title, QString(3000, QChar(u'長'))); // cut at the edge
    QImage picture(60, 900, QImage::Format_ARGB32);
    picture.fill(qRgba(200, 0, 100, 128));
    inputData(f.boxes, f.table);

    for (const auto chart : {drawColourChart, drawPatternChart})
        for (GraphSize size : {GraphSize::Tall, GraphSize::Wide, GraphSize::Standard}) {
            ImageSurface surface;
            surface.pic.setPicture(picture);
            // Tall makes the canvas taller.
            chart(f.plot, f.table, f.boxes, surface, size, f.metrics, ChartOptions{});
            EXPECT_EQ(replayed(surface.pic, 96), surface.pic.image()) << static_cast<int>(size);

            // A shorter canvas loses the drawing below its height, also when it grows again.
            surface.pic.setHeight(3000);
            surface.pic.line(LineForm::Line, 0, 0, 6000, 9000);
            surface.pic.setHeight(6000);
            surface.pic.setHeight(4000);
            surface.pic.setHeight(9000);
            EXPECT_EQ(replayed(surface.pic, 96), surface.pic.image()) << static_cast<int>(size);
        }
}

// Where the lines of a hatch cross a scan line of the image: the starts of its dark runs.
std::vector<int> lineStarts(const QImage& image, bool alongRow, int at) {
    std::vector<int> starts;
    bool wasDark = false;
    for (int i = 0; i < (alongRow ? image.width() : image.height()); ++i) {
        const QRgb pixel = alongRow ? image.pixel(i, at) : image.pixel(at, i);
        const bool dark = qGray(pixel) < 128;
        if (dark && !wasDark)
            starts.push_back(i);
        wasDark = dark;
    }
    return starts;
}

TEST(ImageCanvasReplay, HatchLinesKeepTheirPhysicalSpacingAtTwiceTheResolution) {
    for (FillStyle style : {FillStyle::Horizontal, FillStyle::Vertical, FillStyle::UpwardDiagonal,
                            FillStyle::DownwardDiagonal}) {
        ImageCanvas canvas(3000, 3000, White);
        canvas.setFillStyle(style);
        canvas.line(LineForm::Box, -1500, -1500, 4500, 4500); // outline off the canvas
        const QImage image = replayed(canvas, 192);
        ASSERT_EQ(image.size(), QSize(400, 400));

        const bool alongRow = style != FillStyle::Horizontal;
        const std::vector<int> starts = lineStarts(image, alongRow, 200);
        ASSERT_GE(starts.size(), 20u) << static_cast<int>(style);
        for (std::size_t i = 1; i < starts.size(); ++i)
            EXPECT_EQ(starts[i] - starts[i - 1], 16) << static_cast<int>(style) << " at " << i;
        if (style == FillStyle::Horizontal) {
            EXPECT_LT(qGray(image.pixel(200, starts[0] + 1)), 128) << "two pixels thick";
            EXPECT_GE(qGray(image.pixel(200, starts[0] + 2)), 128) << "two pixels thick";
        }
    }
}

} // namespace
