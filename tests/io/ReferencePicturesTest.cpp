// Every picture file of a corpus of tables, compared byte for byte with the hashes in
// tests/reference/pictures.sha256: a change to the drawing code that moves one pixel, one SVG
// attribute or one PDF operator shows here. To write the hashes anew after a deliberate change,
// run the test with TALLYFOLD_WRITE_REFERENCE set to the file to write.

#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/RuntimeError.h"
#include "data/TableContents.h"
#include "graph/ChartLayout.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/PatternChart.h"
#include "graph/SizeOption.h"
#include "graph/WindowlessGraph.h"
#include "io/ChartFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

namespace {

struct CorpusTable {
    QString name;
    std::function<void(TableContents&)> fill;
};

void setRow(TableContents& boxes, int row, const QString& label, const QStringList& values) {
    boxes.setRowLabel(row, label);
    for (int c = 0; c < values.size(); ++c)
        boxes.setValue(row, c + 1, values[c]);
}

void describe(TableContents& boxes, const QString& title) {
    boxes.setDescription(Description::Title, title);
    boxes.setDescription(Description::Unit, QStringLiteral("千円"));
    boxes.setDescription(Description::Source, QStringLiteral("家計調査"));
    boxes.setDescription(Description::Note, QStringLiteral("注：概数"));
    boxes.setDescription(Description::Author, QStringLiteral("作成者"));
}

void labelColumns(TableContents& boxes, int count) {
    for (int c = 1; c <= count; ++c)
        boxes.setColumnLabel(c, QStringLiteral("項目%1").arg(c));
}

// A table of random whole and decimal numbers, the same on every machine.
void randomTable(TableContents& boxes, unsigned seed) {
    std::mt19937 random(seed);
    const int rows = 1 + int(random() % 10);
    const int columns = 1 + int(random() % 12);
    labelColumns(boxes, columns);
    for (int r = 1; r <= rows; ++r) {
        boxes.setRowLabel(r, QStringLiteral("行%1").arg(r));
        for (int c = 1; c <= columns; ++c) {
            const unsigned kind = random() % 5;
            if (kind == 0)
                continue;
            const unsigned value = random() % 100000;
            boxes.setValue(
                r, c, kind == 1 ? QString::number(value / 100.0, 'f', 2) : QString::number(value));
        }
    }
    describe(boxes, QStringLiteral("乱数表%1").arg(seed));
}

std::vector<CorpusTable> corpusTables() {
    std::vector<CorpusTable> tables{
        {"empty", [](TableContents&) {}},
        {"household",
         [](TableContents& b) {
             b.setColumnLabel(1, QStringLiteral("食費"));
             b.setColumnLabel(2, QStringLiteral("住居"));
             b.setColumnLabel(3, QStringLiteral("光熱"));
             b.setColumnLabel(4, QStringLiteral("教養娯楽"));
             setRow(b, 1, QStringLiteral("2019年"), {"82,000", "65000", "21000", "30500"});
             setRow(b, 2, QStringLiteral("2020年"), {"85000", "64000", "22500", "21000"});
             setRow(b, 3, QStringLiteral("2021年"), {"84500", "66000", "23800", "24000"});
             describe(b, QStringLiteral("家計の内訳"));
         }},
        {"one-cell", [](TableContents& b) { setRow(b, 1, "A", {"1"}); }},
        {"full",
         [](TableContents& b) {
             labelColumns(b, 12);
             for (int r = 1; r <= 10; ++r) {
                 QStringList values;
                 for (int c = 1; c <= 12; ++c)
                     values << QString::number(r * 13 + c * 7);
                 setRow(b, r, QStringLiteral("第%1行").arg(r), values);
             }
             describe(b, QStringLiteral("量率テスト"));
         }},
        {"gaps",
         [](TableContents& b) {
             labelColumns(b, 5);
             setRow(b, 2, QStringLiteral("二"), {"", "30", "", "10"});
             setRow(b, 5, QStringLiteral("五"), {"5"});
             setRow(b, 9, QStringLiteral("九"), {"", "", "", "", "70"});
         }},
        {"zeros",
         [](TableContents& b) {
             labelColumns(b, 3);
             setRow(b, 1, QStringLiteral("零"), {"0", "0", "0"});
             setRow(b, 2, QStringLiteral("有"), {"0", "4", "0"});
             setRow(b, 3, QStringLiteral("零２"), {"0"});
         }},
        {"negative",
         [](TableContents& b) {
             labelColumns(b, 3);
             setRow(b, 1, QStringLiteral("増"), {"10", "-4", "6"});
             setRow(b, 2, QStringLiteral("減"), {"-3", "8", "2"});
         }},
        {"negative-row",
         [](TableContents& b) {
             setRow(b, 1, QStringLiteral("負"), {"-10", "-4"});
             setRow(b, 2, QStringLiteral("正"), {"3", "8"});
         }},
        {"cancelling-total",
         [](TableContents& b) {
             setRow(b, 1, QStringLiteral("相殺"), {"5", "-5"});
         }},
        {"long-labels",
         [](TableContents& b) {
             const QString longText = QStringLiteral("とても長い見出し").repeated(40);
             b.setColumnLabel(1, longText);
             b.setColumnLabel(2, QStringLiteral("x").repeated(300));
             setRow(b, 1, longText, {"3", "4"});
             setRow(b, 2, QStringLiteral("W").repeated(200), {"1", "9"});
             describe(b, longText);
         }},
        {"right-to-left",
         [](TableContents& b) {
             b.setColumnLabel(1, QStringLiteral("مبيعات"));
             b.setColumnLabel(2, QStringLiteral("הוצאות"));
             setRow(b, 1, QStringLiteral("الربع الأول"), {"12", "7"});
             setRow(b, 2, QStringLiteral("רבעון 2 שני"), {"5", "11"});
             setRow(b, 3, QStringLiteral("mixed عربي text"), {"8", "8"});
             describe(b, QStringLiteral("تقرير سنوي"));
         }},
        {"thin-bars",
         [](TableContents& b) {
             labelColumns(b, 2);
             setRow(b, 1, QStringLiteral("北海道"), {"1", "1"});
             setRow(b, 2, QStringLiteral("青森"), {"1", "0"});
             setRow(b, 3, QStringLiteral("岩手"), {"0", "0"});
             setRow(b, 4, QStringLiteral("東京"), {"500", "400"});
         }},
        {"huge-values",
         [](TableContents& b) {
             setRow(b, 1, QStringLiteral("大"), {"2000000000", "147483647"});
             setRow(b, 2, QStringLiteral("小"), {"0.001", "1E-3"});
         }},
        {"overflow",
         [](TableContents& b) {
             setRow(b, 1, QStringLiteral("溢"), {"3E38", "3E38"});
         }},
        {"overflow-box",
         [](TableContents& b) {
             setRow(b, 1, QStringLiteral("溢"), {"1", "1E400"});
         }},
        {"zero-grand-total",
         [](TableContents& b) {
             setRow(b, 1, QStringLiteral("正"), {"5"});
             setRow(b, 2, QStringLiteral("負"), {"-5"});
         }},
        {"decimals",
         [](TableContents& b) {
             labelColumns(b, 4);
             setRow(b, 1, QStringLiteral("小数"), {"0.5", "1.25", "3.125", "1E2"});
             setRow(b, 2, QStringLiteral("全角"), {"１２", "３４．５", "7", "８"});
         }},
    };
    for (unsigned seed = 1; seed <= 12; ++seed)
        tables.push_back({QStringLiteral("random-%1").arg(seed),
                          [seed](TableContents& b) { randomTable(b, seed); }});
    return tables;
}

const char* const SizeNames[] = {"standard", "tall", "wide"};
constexpr GraphSize Sizes[] = {GraphSize::Standard, GraphSize::Tall, GraphSize::Wide};

// One chart command on the graph window: its message when it fails.
QString draw(WindowlessGraph& graph, PlotGeometry& plot, const TableContents& boxes, bool pattern,
             GraphSize size) {
    DataTable table;
    const TextMetrics metrics = chartTextMetrics(NewCanvasWidth);
    try {
        inputData(boxes, table);
    } catch (const RuntimeError& error) {
        return error.message();
    }
    const ChartLayout drawn = pattern ? drawPatternChart(plot, table, boxes, graph, size, metrics)
                                      : drawColourChart(plot, table, boxes, graph, size, metrics);
    return drawn.failure ? failureMessage(drawn.failure->failure) : QString();
}

// The PDF without what changes from one writing to the next: the time stamp, and the order in
// which the writer numbers and tags the objects of its fonts, which follows the addresses of
// Qt's font engines where a chart uses more than one font. Its objects are compared as a set.
QByteArray canonicalPdf(const QByteArray& pdf) {
    static const QRegularExpression stamp(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
    static const QRegularExpression objectStart(QStringLiteral("\n(?=\\d+ 0 obj\n)"));
    static const QRegularExpression reference(QStringLiteral("\\b\\d+ 0 (obj|R)\\b"));
    static const QRegularExpression subsetTag(QStringLiteral("/[A-Z]{6}\\+"));
    static const QRegularExpression crossReference(QStringLiteral("\nxref\n.*"),
                                                   QRegularExpression::DotMatchesEverythingOption);
    QString text = QString::fromLatin1(pdf).replace(stamp, QString());
    text.replace(crossReference, QString());
    QStringList objects = text.split(objectStart);
    for (QString& object : objects)
        object.replace(reference, QStringLiteral("# 0 \\1"))
            .replace(subsetTag, QStringLiteral("/+"));
    objects.sort();
    return objects.join(QLatin1Char('\n')).toLatin1();
}

QString hashOf(const QByteArray& bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(32));
}

void addPictures(std::map<QString, QString>& hashes, const QString& name, const ImageCanvas& canvas,
                 const QString& message) {
    hashes[name + QStringLiteral(".bmp")] = hashOf(chartBytes(canvas, PictureFormat::Bmp));
    hashes[name + QStringLiteral(".png")] = hashOf(chartBytes(canvas, PictureFormat::Png));
    hashes[name + QStringLiteral(".svg")] = hashOf(chartBytes(canvas, PictureFormat::Svg));
    hashes[name + QStringLiteral(".pdf")] =
        hashOf(canonicalPdf(chartBytes(canvas, PictureFormat::Pdf)));
    if (!message.isEmpty())
        hashes[name + QStringLiteral(".message")] = hashOf(message.toUtf8());
}

std::map<QString, QString> renderCorpus() {
    std::map<QString, QString> hashes;
    const std::vector<CorpusTable> tables = corpusTables();
    for (const CorpusTable& corpus : tables) {
        TableContents boxes;
        corpus.fill(boxes);
        for (int s = 0; s < 3; ++s)
            for (const bool pattern : {false, true}) {
                // A new graph window, a size option click, then the chart command.
                WindowlessGraph graph;
                PlotGeometry plot;
                if (Sizes[s] != GraphSize::Standard)
                    applySizeOption(plot, graph, Sizes[s]);
                const QString message = draw(graph, plot, boxes, pattern, Sizes[s]);
                addPictures(hashes,
                            QStringLiteral("%1/%2/%3")
                                .arg(corpus.name, SizeNames[s], pattern ? "pattern" : "colour"),
                            graph.picture(), message);
            }
    }
    // Charts drawn one after another in one window: what a chart leaves behind for the next, a
    // size chosen between them, and a canvas that shrank under an earlier drawing.
    WindowlessGraph graph;
    PlotGeometry plot;
    for (std::size_t t = 0; t < tables.size(); t += 3) {
        TableContents boxes;
        tables[t].fill(boxes);
        const GraphSize size = Sizes[t % 3];
        applySizeOption(plot, graph, size);
        const QString message = draw(graph, plot, boxes, t % 2 == 1, size);
        addPictures(hashes, QStringLiteral("sequence/%1").arg(tables[t].name), graph.picture(),
                    message);
    }
    return hashes;
}

QString referencePath() {
    return QStringLiteral(TALLYFOLD_REFERENCE_DIR "/pictures.sha256");
}

} // namespace

TEST(ReferencePictures, EveryPictureOfTheCorpusIsUnchanged) {
    const std::map<QString, QString> actual = renderCorpus();
    if (const QByteArray target = qgetenv("TALLYFOLD_WRITE_REFERENCE"); !target.isEmpty()) {
        QFile out(QString::fromLocal8Bit(target));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const auto& [name, hash] : actual)
            out.write((hash + QStringLiteral("  ") + name + QLatin1Char('\n')).toUtf8());
    }
    QFile in(referencePath());
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << referencePath().toStdString();
    std::map<QString, QString> expected;
    for (const QByteArray& line : in.readAll().split('\n'))
        if (const qsizetype gap = line.indexOf("  "); gap > 0)
            expected[QString::fromUtf8(line.mid(gap + 2))] = QString::fromUtf8(line.left(gap));
    ASSERT_EQ(expected.size(), actual.size());
    for (const auto& [name, hash] : expected) {
        const auto found = actual.find(name);
        ASSERT_NE(found, actual.end()) << name.toStdString() << " was not rendered";
        EXPECT_EQ(found->second, hash) << name.toStdString() << " differs from its reference";
    }
}
