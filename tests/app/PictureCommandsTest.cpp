#include "FakeDialogs.h"
#include "Printers.h"

#include "app/EntryWindow.h"
#include "app/GraphWindow.h"
#include "app/QtDialogs.h"
#include "graph/ImageCanvas.h"
#include "graph/Twips.h"
#include "io/Printing.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

constexpr QRgb LightGrey = 0xE0E0E0;

class PictureCommandsTest : public ::testing::Test {
protected:
    void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void click(const char* name) {
        form.findChild<QAbstractButton*>(QString::fromUtf8(name))->click();
    }
    void drawChart() {
        form.setValue(1, 1, QStringLiteral("30"));
        form.setValue(1, 2, QStringLiteral("20"));
        form.setValue(1, 3, QStringLiteral("50"));
        form.setValue(2, 1, QStringLiteral("900"));
        click("Command1");
    }
    static GraphWindow* graphWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form2 = qobject_cast<GraphWindow*>(widget))
                return form2;
        return nullptr;
    }
    static const QImage& canvasImage() { return graphWindow()->picture().image(); }
    static QRgb rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    // A picture file of one colour, `size` pixels large.
    QString writePicture(const char* name, QSize size, QRgb colour) const {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(path(name)));
        return path(name);
    }
    QImage savedPicture(const char* name) {
        dialogs.fileNames << path(name);
        click("Command6");
        QImage saved(path(name), "BMP");
        return saved.convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    EntryWindow form{dialogs};
};

TEST_F(PictureCommandsTest, SavingBeforeAnyChartWritesTheBlankCanvasAndKeepsTheWindowHidden) {
    const QImage saved = savedPicture("blank");
    ASSERT_NE(graphWindow(), nullptr);
    EXPECT_FALSE(graphWindow()->isVisible());
    EXPECT_EQ(saved.size(), QSize(457, 513)) << "the canvas at its creation size";
    EXPECT_EQ(rgb(saved, 0, 0), LightGrey);
    EXPECT_EQ(rgb(saved, 456, 512), LightGrey);
    EXPECT_EQ(dialogs.fileDialogs[0].filter,
              QStringLiteral("bitmap (*.bmp);;PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tallyfold v22")) << "the caption stays";
    QFile file(path("blank"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM")) << "a Windows bitmap under the name as typed";
}

TEST_F(PictureCommandsTest, SavedBitmapHoldsTheCanvasPixelForPixel) {
    drawChart();
    const QImage saved = savedPicture("chart.bmp");
    EXPECT_EQ(saved, canvasImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(rgb(saved, 153, 63), 0xFF0000u);

    click("Option2");
    click("Command1");
    const QImage tall = savedPicture("tall.bmp");
    EXPECT_EQ(tall.width(), saved.width());
    EXPECT_GT(tall.height(), saved.height());
}

TEST_F(PictureCommandsTest, SavesInTheFormatOfTheExtensionElseOfTheChosenFilter) {
    drawChart();
    const struct {
        const char* name;
        int filterIndex;
        QByteArray start;
    } cases[] = {
        {"typed", 1, "BM"},        {"typed-png", 2, "\x89PNG"}, {"chart.SVG", 1, "<?xml"},
        {"chart.pdf", 2, "%PDF-"}, {"chart.png", 4, "\x89PNG"},
    };
    for (const auto& c : cases) {
        dialogs.filterIndex = c.filterIndex;
        dialogs.fileNames << path(c.name);
        click("Command6");
        QFile file(path(c.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name << ": saved under the name typed";
        EXPECT_EQ(file.read(c.start.size()), c.start) << c.name;
    }
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    dialogs.fileNames << QString();
    click("Command7");
    EXPECT_EQ(dialogs.fileDialogs.back().filter, QStringLiteral("bitmap (*.bmp)")) << "load";
}

TEST_F(PictureCommandsTest, FailuresAreReportedCancellingIsSilent) {
    click("Command6"); // cancelled
    QDir().mkdir(path("folder.bmp"));
    dialogs.fileNames << path("folder.bmp");
    click("Command6");
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(path("folder.bmp")));
}

TEST_F(PictureCommandsTest, LoadedPictureLiesUnderLaterChartsAndSurvivesClearing) {
    dialogs.fileNames << writePicture("small.png", QSize(40, 30), qRgb(10, 20, 30));
    click("Command7");
    ASSERT_NE(graphWindow(), nullptr);
    EXPECT_FALSE(graphWindow()->isVisible());
    EXPECT_EQ(rgb(canvasImage(), 5, 5), qRgb(10, 20, 30) & 0xFFFFFF) << "top-left, own size";
    EXPECT_EQ(rgb(canvasImage(), 45, 5), LightGrey);

    drawChart();
    EXPECT_TRUE(graphWindow()->isVisible());
    EXPECT_EQ(rgb(canvasImage(), 5, 5), qRgb(10, 20, 30) & 0xFFFFFF) << "the chart lies over it";
    EXPECT_EQ(rgb(canvasImage(), 153, 63), 0xFF0000u);
    const QImage both = savedPicture("both.bmp");
    EXPECT_EQ(rgb(both, 5, 5), qRgb(10, 20, 30) & 0xFFFFFF);

    click("Option1"); // clears the canvas
    EXPECT_EQ(rgb(canvasImage(), 5, 5), qRgb(10, 20, 30) & 0xFFFFFF);
    EXPECT_EQ(rgb(canvasImage(), 153, 63), 0xFFFFFFu);
}

TEST_F(PictureCommandsTest, PictureDroppedOnTheGraphWindowLoadsUnderTheChart) {
    drawChart();
    const auto drop = [](const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(graphWindow(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(graphWindow(), &drop);
        return enter.isAccepted();
    };
    EXPECT_FALSE(drop(path("table.txt"))) << "not a picture";
    EXPECT_TRUE(drop(writePicture("dropped.PNG", QSize(20, 20), qRgb(7, 8, 9))));
    EXPECT_EQ(rgb(canvasImage(), 5, 5), qRgb(7, 8, 9) & 0xFFFFFF);
    EXPECT_EQ(rgb(canvasImage(), 153, 63), 0xFFFFFFu) << "the chart is cleared as by the button";
}

TEST_F(PictureCommandsTest, LoadClearsFirstAndABadFileKeepsThePreviousPicture) {
    dialogs.fileNames << writePicture("small.bmp", QSize(10, 10), qRgb(1, 2, 3));
    click("Command7");
    drawChart();

    click("Command7"); // cancelled: the chart is gone all the same
    EXPECT_EQ(rgb(canvasImage(), 153, 63), 0xFFFFFFu);
    EXPECT_TRUE(dialogs.warnings.isEmpty());

    QFile text(path("not-a-picture.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("hello");
    text.close();
    dialogs.fileNames << path("not-a-picture.bmp");
    click("Command7");
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(path("not-a-picture.bmp")));
    EXPECT_EQ(rgb(canvasImage(), 5, 5), qRgb(1, 2, 3) & 0xFFFFFF);
}

TEST_F(PictureCommandsTest, CopyPutsTheCanvasOnTheClipboard) {
    click("Command2");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              canvasImage().convertToFormat(QImage::Format_RGB32))
        << "blank canvas before any chart";
    EXPECT_FALSE(graphWindow()->isVisible());

    drawChart();
    click("Command2");
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(457, 505));
    EXPECT_EQ(rgb(copied, 153, 63), 0xFF0000u);
    const QByteArray svg = QGuiApplication::clipboard()->mimeData()->data("image/svg+xml");
    EXPECT_TRUE(svg.startsWith("<?xml") && svg.contains("<svg")) << "and the chart as SVG";
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PictureCommandsTest, PrintsThePictureAtItsPhysicalSizeAtTheTopLeft) {
    click("Command3"); // cancelled
    EXPECT_EQ(dialogs.printDialogs, 1);

    drawChart();
    dialogs.pdfPath = path("chart.pdf");
    click("Command3");
    ASSERT_TRUE(QFile::exists(path("chart.pdf")));
    EXPECT_TRUE(dialogs.warnings.isEmpty());

    // The page rendered at 96 dots per inch: the chart appears pixel for pixel, offset by the
    // printable area's margins.
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), path("chart.pdf"), path("page")});
    ASSERT_TRUE(pdftoppm.waitForFinished(30000));
    const QImage page(path("page.png"));
    ASSERT_FALSE(page.isNull());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRect printable = printer.pageLayout().paintRectPixels(96);
    const auto pagePixel = [&](int x, int y) {
        return rgb(page, printable.left() + x, printable.top() + y);
    };
    const auto isRed = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
    const auto isYellow = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 60; };
    EXPECT_TRUE(isRed(pagePixel(153, 63))) << "segment 1";
    EXPECT_TRUE(isYellow(pagePixel(237, 63))) << "segment 2";
    EXPECT_TRUE(isRed(pagePixel(106, 50))) << "near the segment's left edge";
    EXPECT_FALSE(isRed(pagePixel(99, 50))) << "left of the plot area";
    EXPECT_TRUE(isYellow(pagePixel(237, 78))) << "near bar 1's lower edge";
    EXPECT_TRUE(isRed(pagePixel(237, 84))) << "bar 2 below it";
}

// What a program prints on its standard output.
QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(PictureCommandsTest, PrintsAtThePrintersResolutionWithTextsAsTextAndHatchingToScale) {
    form.setDescription(Description::Title, QStringLiteral("売上の構成"));
    form.setValue(1, 3, QStringLiteral("1")); // the whole plot area hatched with horizontal lines
    click("Command11");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("chart.pdf"));
    printer.setResolution(600);
    ASSERT_TRUE(printPicture(printer, graphWindow()->picture()));

    EXPECT_TRUE(output(QStringLiteral("pdftotext"), {path("chart.pdf"), QStringLiteral("-")})
                    .contains(QStringLiteral("売上の構成")));

    // Down a line through the plot area, at 600 dpi: a hatch line every 120 twips, 50 dots.
    const QPoint origin = printer.pageLayout().paintRectPixels(600).topLeft();
    const auto dots = [](double twips) { return qRound(toDeviceUnits(twips, 600)); };
    const auto number = [](int n) { return QString::number(n); };
    output(QStringLiteral("pdftoppm"),
           {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-x"),
            number(origin.x() + dots(4000)), QStringLiteral("-y"), number(origin.y() + dots(800)),
            QStringLiteral("-W"), QStringLiteral("1"), QStringLiteral("-H"), number(dots(4800)),
            QStringLiteral("-png"), QStringLiteral("-singlefile"), path("chart.pdf"),
            path("line")});
    const QImage line(path("line.png"));
    ASSERT_EQ(line.height(), dots(4800));
    std::vector<int> starts;
    bool wasDark = true;
    for (int y = 0; y < line.height(); ++y) {
        const bool dark = qGray(line.pixel(0, y)) < 128;
        if (dark && !wasDark)
            starts.push_back(y);
        wasDark = dark;
    }
    ASSERT_GE(starts.size(), 35u);
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_NEAR(starts[i] - starts[i - 1], 50, 1) << "line " << i;
}

TEST_F(PictureCommandsTest, QuitAsksAndEndsOnlyOnYes) {
    bool ended = false;
    QObject::connect(&form, &EntryWindow::quitRequested, [&] { ended = true; });
    drawChart();
    form.setRowLabel(1, QStringLiteral("keep"));

    click("Command4");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    const Question& question = dialogs.questions[0];
    EXPECT_EQ(question.text, QStringLiteral("作業を終わりますか？"));
    EXPECT_EQ(question.title, QStringLiteral("終了確認"));
    EXPECT_EQ(question.icon, QMessageBox::Warning);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.defaultButton, QMessageBox::No);
    EXPECT_FALSE(ended);
    EXPECT_EQ(form.rowLabel(1), QStringLiteral("keep"));
    EXPECT_EQ(rgb(canvasImage(), 153, 63), 0xFF0000u);

    dialogs.answer = QMessageBox::Yes;
    click("Command4");
    EXPECT_TRUE(ended);
}

TEST(QuitBox, ShowsTheQuestionWithJapaneseButtonsAndNoAsDefault) {
    const auto box = QtDialogs::messageBox(nullptr, quitQuestion());
    EXPECT_EQ(box->text(), QStringLiteral("作業を終わりますか？"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("終了確認"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
    EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
}

} // namespace
