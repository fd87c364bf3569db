#include "Printers.h"
#include "app/FakeDialogs.h"

#include "Version.h"
#include "app/EntryWindow.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/TableContents.h"
#include "graph/Palettes.h"
#include "io/SaveFile.h"
#include "io/TableFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#include <sys/stat.h>

namespace {

struct Finished {
    int status = -1;
    QString output;
    QString errors;
    QByteArray bytes; // standard output as written
};

// The program started from a terminal without a display, with no platform chosen for it and no
// desktop session's runtime folder; `input` is its standard input.
Finished tallyfold(const QStringList& arguments, const QByteArray& input = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TALLYFOLD_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    Finished run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.bytes = process.readAllStandardOutput();
    run.output = QString::fromUtf8(run.bytes);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TableContents salesTable() {
    TableContents boxes;
    boxes.setDescription(Description::Title, QStringLiteral("売上構成"));
    boxes.setDescription(Description::Unit, QStringLiteral("百万円"));
    for (int r = 1; r <= 4; ++r) {
        boxes.setRowLabel(r, QStringLiteral("支店%1").arg(r));
        for (int c = 1; c <= 6; ++c)
            boxes.setValue(r, c, QString::number((r * 37 + c * 11) % 97 + 1));
    }
    for (int c = 1; c <= 6; ++c)
        boxes.setColumnLabel(c, QStringLiteral("品目%1").arg(c));
    return boxes;
}

class CommandLineTest : public ::testing::Test {
protected:
    void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString writeTable(const QString& name, const TableContents& boxes) const {
        DataTable table;
        inputData(boxes, table);
        EXPECT_TRUE(saveTable(path(name), dataFormat(name, 1), table));
        return path(name);
    }
    static QByteArray contents(const QString& file) {
        QFile read(file);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }
    static QImage picture(const QString& file) {
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
};

TEST_F(CommandLineTest, ExitStatusTellsSuccessFailureAndUsageErrors) {
    const QString data = writeTable(QStringLiteral("sales.txt"), salesTable());
    const QString out = path(QStringLiteral("out.png"));
    const QString twoFiles = path(QStringLiteral("two.list"));
    ASSERT_TRUE(saveBytes(Action::SaveTable, twoFiles, QFile::encodeName(data + '\n' + data)));
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"--render", data, "--output", out}, 0},
        {{"--render", data, "-o", out, "--pattern", "--size", "wide", "--format", "bmp"}, 0},
        {{"--render", path("missing.txt"), "-o", out}, 1},
        {{"--render", "--bogus", data, "-o", out}, 2},
        {{"--render", data}, 2},
        {{"--render", "-o", out}, 2},
        {{"--render", data, "-o", out, "--size", "huge"}, 2},
        {{"--render", data, "-o", out, "--format", "gif"}, 2},
        {{"--pattern", data}, 2},
        {{"--render", data, "-o", out, "--format", "PNG"}, 0},
        {{"--render", data, "-o", out, "--format", "Svg"}, 0},
        {{data}, 2}, // no display to show the window on
        {{"--bogus", data}, 2},
        {{"--render", data, "-o", out, "--values", "--percent", "--totals", "--sort", "b"}, 0},
        {{"--render", data, "-o", out, "--sort", "M"}, 2},
        {{"--render", data, "-o", out, "--palette", "rainbow"}, 2},
        {{"--render", data, "-o", out, "--dpi", "1201"}, 2},
        {{"--render", data, "-o", out, "--dpi", "600"}, 0},
        {{"--render", data, "-o", out, "--paper", "a5"}, 2},
        {{"--render", data, "-o", out, "--paper", "none"}, 2},
        {{"--render", data, "-o", out, "--landscape"}, 2},
        {{"--render", data, "-o", out, "--paper", "b4", "--fit", "--centre"}, 2},
        {{"--render", data, "-o", out, "--paper", "B5", "--landscape", "--fit"}, 0},
        {{"--paper", "a4", data}, 2},
        {{"--values", data}, 2},
        {{"--render", data, "-o", out, "--jobs", "0"}, 2},
        {{"--render", data, "-o", out, "--jobs", "two"}, 2},
        {{"--jobs", "2", data}, 2},
        {{"--render", "--from-file", path("missing.list"), "-o", out}, 1},
        {{"--render", "--from-file", twoFiles, "-o", "-"}, 2},
        {{"--render", data, "-o", out, "--jobs", "3"}, 0},
        {{"--render", data, "-o", out, "--shard", "3/2"}, 2},
        {{"--render", data, "-o", out, "--shard", "0/2"}, 2},
        {{"--render", data, "-o", out, "--null"}, 2},
        {{"--render", data, "-o", "-", "--report", "-"}, 2},
        {{"--skip-existing", data}, 2},
    };
    for (const auto& c : cases) {
        const Finished run = tallyfold(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString() << "\n"
                                        << run.errors.toStdString();
        if (c.status == 2 && !c.arguments.contains(QStringLiteral("--from-file"))) {
            EXPECT_TRUE(run.errors.contains(QStringLiteral("使い方: tallyfold")));
        }
        EXPECT_FALSE(run.errors.contains(QStringLiteral("QStandardPaths")))
            << run.errors.toStdString();
    }
    const Finished version = tallyfold({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output.trimmed(), QStringLiteral("tallyfold ") + TallyfoldVersion);
}

TEST_F(CommandLineTest, WritesOnlyUnderAPicturesNameOrOneWithoutExtension) {
    const QString data = writeTable(QStringLiteral("sales.txt"), salesTable());
    const QString keep = writeTable(QStringLiteral("keep.csv"), salesTable());
    const QByteArray table = contents(keep);
    const struct {
        QString output;
        QStringList format;
        int status;
    } cases[] = {
        {keep, {}, 2},
        {keep, {"--format", "png"}, 2},
        {path("x.gif"), {}, 2},
        {path("chart"), {"--format", "svg"}, 0},
        {path("chart.Pdf"), {}, 0},
    };
    for (const auto& c : cases) {
        const Finished run = tallyfold(QStringList{"--render", data, "-o", c.output} + c.format);
        EXPECT_EQ(run.status, c.status) << c.output.toStdString() << run.errors.toStdString();
        EXPECT_EQ(QFileInfo::exists(c.output), c.status == 0 || c.output == keep);
        if (c.status == 2) {
            EXPECT_TRUE(run.errors.contains(QStringLiteral("画像ファイルの名前ではない")));
        }
    }
    EXPECT_EQ(contents(keep), table);
    EXPECT_TRUE(contents(path("chart")).startsWith("<?xml"));
}

TEST_F(CommandLineTest, ChartOptionsShowInThePicture) {
    const QString data = writeTable(QStringLiteral("sales.txt"), salesTable());
    const QString svg =
        tallyfold({"--render", data, "-o", "-", "--format", "svg", "--values", "--sort", "total"})
            .output;
    // 支店3 has the larger total; on the dark fills the numbers are white.
    EXPECT_GT(svg.indexOf(QStringLiteral("支店2")), svg.indexOf(QStringLiteral("支店3")));
    EXPECT_TRUE(svg.contains(QRegularExpression(QStringLiteral("<text [^>]*fill=\"#ffffff\""))));
    const QImage fine = QImage::fromData(
        tallyfold({"--render", data, "-o", "-", "--format", "bmp", "--dpi", "192"}).bytes);
    EXPECT_EQ(fine.size(), QSize(914, 1010)) << "twice the pixels";
    const QStringList letter = {"--paper", "letter", "--landscape", "--format", "pdf"};
    EXPECT_TRUE(
        QString::fromLatin1(tallyfold(QStringList{"--render", data, "-o", "-"} + letter).bytes)
            .contains(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 792[.0]* 612[.0]*\\]"))));
    const QString cud = QColor(paletteColours(Palette::Cud)[0]).name();
    EXPECT_FALSE(svg.contains(cud));
    EXPECT_TRUE(tallyfold({"--render", data, "-o", "-", "--format", "svg", "--palette", "cud"})
                    .output.contains(cud));
}

// With SOURCE_DATE_EPOCH two renders of a PDF are the same bytes, dated by it; a row whose
// values cancel out is told on one line naming the file, and the picture is still written.
TEST_F(CommandLineTest, PdfIsReproducibleAndARowOfTotalZeroIsTold) {
    TableContents boxes = salesTable();
    boxes.setRowLabel(5, QStringLiteral("相殺"));
    boxes.setValue(5, 1, QStringLiteral("5"));
    boxes.setValue(5, 2, QStringLiteral("-5"));
    const QString data = writeTable(QStringLiteral("sales.txt"), boxes);
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    const Finished first = tallyfold({"--render", data, "-o", "-", "--format", "pdf"});
    const Finished second = tallyfold({"--render", data, "-o", "-", "--format", "pdf"});
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.bytes, second.bytes);
    EXPECT_TRUE(first.bytes.contains("/CreationDate (D:20231114221320Z)"));
    EXPECT_EQ(first.errors, QStringLiteral("tallyfold: 「%1」: 合計が 0 の行は描いていません: "
                                           "5行目「相殺」。\n")
                                .arg(data));
    // The cross-reference table still finds every object after the date changed length.
    const QByteArray& pdf = first.bytes;
    const qsizetype table = pdf.mid(pdf.lastIndexOf("startxref") + 10).split('\n')[0].toLongLong();
    const QList<QByteArray> entries = pdf.mid(table).split('\n').mid(3);
    for (int object = 1; object < entries.size() && entries[object - 1].endsWith("n "); ++object)
        EXPECT_TRUE(pdf.mid(entries[object - 1].left(10).toLongLong())
                        .startsWith(QByteArray::number(object) + " 0 obj"))
            << object;
}

TEST_F(CommandLineTest, WritesIntoStandardOutputPipesAndDevicesButNeverOverADataFile) {
    const QString data = writeTable(QStringLiteral("sales.txt"), salesTable());
    const QString dataNamedPng = writeTable(QStringLiteral("chart.png"), salesTable());
    const QByteArray dataBytes = contents(data);
    const QString file = path(QStringLiteral("file.png"));
    ASSERT_EQ(tallyfold({QStringLiteral("--render"), data, QStringLiteral("-o"), file}).status, 0);
    const QByteArray png = contents(file);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    const QString fifo = path(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const struct {
        QStringList arguments;
        int status;
        QByteArray written; // on standard output, or what a reader of the FIFO got
        const char* error;  // a part of standard error
    } cases[] = {
        {{"--render", data, "-o", "-"}, 0, png, ""},
        {{"--render", data, "-o", "/dev/stdout"}, 0, png, ""},
        {{"--render", data, "-o", fifo, "--format", "png"}, 0, png, ""},
        {{"--render", data, data, "-o", "-"}, 2, {}, "使い方"},
        {{"--render", data, "-o", "/dev/full"}, 1, {}, "ディスクに空きがありません"},
        {{"--render", dataNamedPng, "-o", dataNamedPng}, 1, {}, "データファイル「"},
        {{"--render", data, "-o", data}, 2, {}, "画像ファイルの名前ではない"},
        {{"--render", data, dataNamedPng, "-o", dir.path()}, 1, {}, "データファイル「"},
    };
    for (const auto& c : cases) {
        QProcess reader; // reads the FIFO as another program would
        if (c.arguments.contains(fifo))
            reader.start(QStringLiteral("cat"), {fifo});
        const Finished run = tallyfold(c.arguments);
        reader.waitForFinished(60000);
        const QByteArray written =
            c.arguments.contains(fifo) ? reader.readAllStandardOutput() : run.bytes;
        const std::string arguments = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, c.status) << arguments << "\n" << run.errors.toStdString();
        EXPECT_TRUE(written == c.written) << arguments;
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.error))) << arguments;
    }
    EXPECT_EQ(contents(data), dataBytes);
    EXPECT_EQ(contents(dataNamedPng), dataBytes);
    EXPECT_EQ(picture(path(QStringLiteral("sales.png"))), picture(file)) << "the other one drawn";
    struct stat status;
    EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &status) == 0 &&
                S_ISFIFO(status.st_mode));
    EXPECT_TRUE(::stat("/dev/full", &status) == 0 && S_ISCHR(status.st_mode));
}

TEST_F(CommandLineTest, HelpIsAllJapanese) {
    const Finished help = tallyfold({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.output.contains(QStringLiteral("使い方: tallyfold")));
    for (const char* english : {"Usage", "Options", "Arguments", "Displays", "Display"})
        EXPECT_FALSE(help.output.contains(QLatin1String(english))) << english;
    // An English sentence starts with a capitalised word followed by another.
    EXPECT_FALSE(help.output.contains(QRegularExpression(QStringLiteral("[A-Z][a-z]+ [a-z]+"))))
        << help.output.toStdString();
}

TEST_F(CommandLineTest, SeveralInputsGoIntoTheFolderEachFailureIsNamedTheOthersWritten) {
    TableContents huge = salesTable();
    huge.setValue(1, 1, QStringLiteral("1e300")); // a row total beyond 32-bit floats
    const QStringList inputs = {
        writeTable(QStringLiteral("north.txt"), salesTable()),
        path(QStringLiteral("missing.txt")),
        writeTable(QStringLiteral("south.csv"), salesTable()),
        writeTable(QStringLiteral("huge.txt"), huge),
        path(QStringLiteral("short.txt")),
        path(QStringLiteral("binary.csv")),
    };
    ASSERT_TRUE(saveBytes(Action::SaveTable, inputs[4], "1,2,3\r\n"));
    ASSERT_TRUE(saveBytes(Action::SaveTable, inputs[5], QByteArray("1,2\0\x01", 5)));
    const QString folder = path(QStringLiteral("charts/2026"));
    const Finished run = tallyfold(QStringList{QStringLiteral("--render")} + inputs +
                                   QStringList{QStringLiteral("-o"), folder});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"north.png", "south.png"}));
    const QStringList lines = run.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto reported = [&](const QString& file, const QString& reason) {
        for (const QString& line : lines)
            if (line.contains(file) && line.contains(reason))
                return true;
        return false;
    };
    EXPECT_TRUE(reported(inputs[1], QStringLiteral("読み込めませんでした")))
        << run.errors.toStdString();
    EXPECT_TRUE(reported(inputs[3], QStringLiteral("実行時エラー '6': オーバーフローしました。")))
        << run.errors.toStdString();
    EXPECT_TRUE(reported(inputs[4], QStringLiteral("不完全"))) << run.errors.toStdString();
    EXPECT_TRUE(reported(inputs[5], QStringLiteral("(NUL)"))) << run.errors.toStdString();

    // One input: the format follows the output's extension.
    const QString pdf = path(QStringLiteral("north.PDF"));
    EXPECT_EQ(tallyfold({QStringLiteral("--render"), inputs[0], QStringLiteral("-o"), pdf}).status,
              0);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
}

TEST_F(CommandLineTest, RendersThePictureTheWindowSavesForTheSameTableAndSize) {
    const struct {
        const char* input;
        const char* chartButton;
        const char* sizeOption;
        QStringList arguments;
    } cases[] = {
        {"table.txt", "Command1", "Option1", {}},
        {"table.txt", "Command11", "Option2", {"--pattern", "--size", "tall"}},
        {"table.csv", "Command1", "Option3", {"--size", "wide"}},
    };
    for (const auto& c : cases) {
        const QString input = writeTable(QString::fromLatin1(c.input), salesTable());
        FakeDialogs dialogs;
        EntryWindow form(dialogs);
        form.openDataFile(input);
        // A CSV leaves the descriptions as they are, and the window starts with a title.
        if (input.endsWith(QLatin1String(".csv")))
            form.setDescription(Description::Title, {});
        const auto click = [&](const char* name) {
            form.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
        };
        click(c.sizeOption);
        click(c.chartButton);
        dialogs.fileNames << path(QStringLiteral("window.bmp"));
        click("Command6");
        ASSERT_TRUE(dialogs.warnings.isEmpty() && dialogs.errors.empty()) << c.input;

        const QString rendered = path(QStringLiteral("rendered.png"));
        const Finished run = tallyfold(
            QStringList{QStringLiteral("--render"), input, QStringLiteral("-o"), rendered} +
            c.arguments);
        ASSERT_EQ(run.status, 0) << run.errors.toStdString();
        const QImage saved = picture(path(QStringLiteral("window.bmp")));
        EXPECT_FALSE(saved.isNull());
        EXPECT_EQ(picture(rendered), saved)
            << c.input << " " << c.chartButton << " " << c.sizeOption;
    }
}

// Everything a run into a folder leaves: its status, its messages and every file there.
struct FolderRun {
    int status = -1;
    QString errors;
    std::map<QString, QByteArray> files;
    bool operator==(const FolderRun&) const = default;
};

TEST_F(CommandLineTest, ManyJobsWriteAndReportExactlyAsOne) {
    TableContents huge = salesTable();
    huge.setValue(1, 1, QStringLiteral("1e300"));
    for (const char* folder : {"a", "b", "c"})
        QDir(dir.path()).mkdir(QString::fromLatin1(folder));
    const QString out = path(QStringLiteral("out"));
    QStringList inputs = {
        writeTable(QStringLiteral("a/north.txt"), salesTable()),
        writeTable(QStringLiteral("a/south.csv"), salesTable()),
        writeTable(QStringLiteral("b/north.txt"), huge), // the picture of a/north.txt again
        path(QStringLiteral("c/east.txt")),              // missing
        writeTable(QStringLiteral("a/east.txt"), salesTable()),
        writeTable(QStringLiteral("a/huge.txt"), huge),
    };
    for (int i = 0; i < 12; ++i) {
        TableContents table = salesTable();
        table.setValue(2, 3, QString::number(i * 13));
        inputs.insert(i * 7 % (inputs.size() + 1),
                      writeTable(QStringLiteral("b/table%1.txt").arg(i), table));
    }
    for (const QString& format : {QStringLiteral("png"), QStringLiteral("svg")}) {
        const QString dataInOut = QStringLiteral("out/data.") + format; // drawn over itself
        const QString list = path(QStringLiteral("inputs.list"));
        ASSERT_TRUE(
            saveBytes(Action::SaveTable, list,
                      QFile::encodeName((inputs + QStringList{path(dataInOut)}).join('\n'))));
        const auto render = [&](const char* jobs) {
            QDir(out).removeRecursively();
            QDir().mkpath(out);
            writeTable(dataInOut, salesTable());
            const Finished run = tallyfold({"--render", "--from-file", list, "-o", out, "--format",
                                            format, "--values", "--jobs", jobs});
            FolderRun result{run.status, run.errors, {}};
            for (const QString& name : QDir(out).entryList(QDir::Files))
                result.files[name] = contents(QDir(out).filePath(name));
            return result;
        };
        const FolderRun one = render("1");
        EXPECT_EQ(one.status, 1);
        EXPECT_EQ(one.files.size(), 16u) << qPrintable(format); // 12 tables, 3 more, the data
        EXPECT_EQ(one.errors.count(QLatin1Char('\n')), 4) << one.errors.toStdString();
        EXPECT_TRUE(one.errors.contains(QStringLiteral("前のデータファイルのグラフと同じ")));
        const FolderRun four = render("4");
        EXPECT_TRUE(four == one) << qPrintable(format) << "\n"
                                 << one.errors.toStdString() << "\n"
                                 << four.errors.toStdString();
    }
}

TEST_F(CommandLineTest, ListsNameFilesWithSpacesAndAnyCharacters) {
    QDir(dir.path()).mkdir(QStringLiteral("売上 2026"));
    const QStringList inputs = {
        writeTable(QStringLiteral("売上 2026/北 支店.txt"), salesTable()),
        writeTable(QStringLiteral("Ünïcode – “quoted”.csv"), salesTable()),
        writeTable(QStringLiteral(" leading space.txt"), salesTable()),
    };
    // Lines as a search prints them, as an editor on Windows saves them, and a blank one.
    const QByteArray listed = QFile::encodeName(inputs[0] + QStringLiteral("\n") + inputs[1] +
                                                QStringLiteral("\r\n\n") + inputs[2]);
    const QString listFile = path(QStringLiteral("files.list"));
    ASSERT_TRUE(saveBytes(Action::SaveTable, listFile, listed));
    for (const QString& list : {listFile, QStringLiteral("-")}) {
        const QString out = path(QStringLiteral("charts"));
        QDir(out).removeRecursively();
        const Finished run = tallyfold({QStringLiteral("--render"), QStringLiteral("--from-file"),
                                        list, QStringLiteral("-o"), out},
                                       listed);
        EXPECT_EQ(run.status, 0) << run.errors.toStdString();
        EXPECT_EQ(
            QDir(out).entryList(QDir::Files),
            QStringList({QStringLiteral(" leading space.png"),
                         QStringLiteral("Ünïcode – “quoted”.png"), QStringLiteral("北 支店.png")}))
            << list.toStdString();
    }
}

} // namespace

namespace {

TEST_F(CommandLineTest, ReadsStandardInputAndTheSheetAsked) {
    const QString ods = QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/libreoffice.ods");
    const QString png = path(QStringLiteral("chart.png"));
    const struct {
        QStringList arguments;
        QByteArray input;
        int status;
        const char* errors; // what standard error holds; empty for nothing
    } cases[] = {
        {{"-"}, contents(ods), 0, "「標準入力」: 表のあるシートが 2 枚あります (売上、日付)"},
        {{"-"}, "東京,大阪\n食品,1\n", 0, ""},
        {{ods, "--sheet", "日付"}, {}, 0, ""},
        {{ods, "--sheet", "9"}, {}, 1, "シート「9」がありません"},
        {{"-", "--from-file", "-"}, {}, 2, "標準入力 (-) から読めるのは一つだけです"},
    };
    for (const auto& c : cases) {
        const Finished run = tallyfold(QStringList{"--render", "-o", png} + c.arguments, c.input);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.errors.isEmpty(), *c.errors == 0) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.errors))) << run.errors.toStdString();
    }
}

} // namespace
