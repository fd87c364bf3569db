#include "Printers.h"

#include "data/DataTable.h"
#include "data/EntryGrid.h"
#include "data/TableContents.h"
#include "io/Cp932.h"
#include "io/CsvFile.h"
#include "io/DataFileFormat.h"
#include "io/TableFileBytes.h"
#include "io/TableFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

// A grid as the window holds it: labels of any characters, values that are numbers or texts.
TextGrid randomGrid(std::mt19937& random) {
    const QString pieces[] = {",", ";", "\t", "\"", "\r\n", "\n", " ", "東京", "a", "12"};
    const QString values[] = {"", "12", "-0.25", "1234567", "12kg", "x y", "1;2", "\"q\""};
    TextGrid grid(GridRows, std::vector<QString>(GridColumns));
    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < GridColumns; ++c) {
            if (r == 0 && c == 0)
                continue;
            if (r > 0 && c > 0) {
                grid[r][c] = values[random() % std::size(values)];
                continue;
            }
            for (unsigned n = random() % 16; n > 0; --n)
                grid[r][c] += pieces[random() % std::size(pieces)];
        }
    }
    grid[0][1] += QStringLiteral("A");
    return grid;
}

TEST(TableFile, EveryTableTheProgramWritesReadsBackTheSame) {
    std::mt19937 random(20261208);
    for (int i = 0; i < 300; ++i) {
        const TextGrid grid = randomGrid(random);
        const Result<DelimitedText> read =
            decodeCsv(encodeCsv(grid), GridRows + 1, GridColumns + 1);
        ASSERT_TRUE(read);
        ASSERT_FALSE(read->unclosedQuote);
        const Result<GridLayout> layout = layOutBlock(read->grid, read->rows, read->columns);
        ASSERT_TRUE(layout) << "grid " << i;
        ASSERT_EQ(layout->grid, grid) << "grid " << i;
    }
}

TEST(TableFile, RefusesWhatHoldsNoTableOrIsTooLarge) {
    QTemporaryDir dir;
    const auto file = [&](const char* name, const QByteArray& bytes, qint64 size = -1) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        if (size >= 0)
            f.resize(size); // sparse: no disk is used
        return path;
    };
    QByteArray twelveRows;
    for (int r = 0; r < 12; ++r)
        twelveRows += "1,2\r\n";
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {file("empty.csv", ""), "表がありません"},
        {file("blank.csv", ",,\r\n , \r\n"), "表がありません"},
        {file("quote.csv", "a,b\r\n\"1,2\r\n"), "引用符"},
        {file("huge.csv", "a,b\r\n", MaxTableFileBytes + 1), "64 MB"},
        {QStringLiteral("/dev/zero"), "64 MB"},
        {file("tall.csv", twelveRows), "12 行 × 2 列"},
    };
    for (const auto& c : cases) {
        const Result<LoadedTable> loaded = loadTable(c.path, DataFormat::Csv);
        ASSERT_FALSE(loaded) << c.path.toStdString();
        EXPECT_TRUE(loaded.failure().reason.contains(QString::fromUtf8(c.reason)))
            << c.path.toStdString() << ": " << loaded.failure().reason.toStdString();
    }
}

// Spreadsheets' text exports and standard input: each kind of content gives the same table.
TEST(TableFile, ReadsTextExportsAndTellsKindsByContent) {
    const QString text = QStringLiteral("\t東京\t大阪\r\n食品\t\"1,234\"\t20\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar ch : text)
        utf16 += QByteArray(reinterpret_cast<const char*>(&ch), 2); // little-endian machines
    QFile workbook(QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/libreoffice.ods"));
    ASSERT_TRUE(workbook.open(QIODevice::ReadOnly));
    DataTable table;
    table(0, 1) = QStringLiteral("東京");
    table(1, 0) = QStringLiteral("食品");
    table(1, 1) = 1234.0;
    const struct {
        const char* name; // empty for standard input
        QByteArray bytes;
        const char* cell; // the text of box 1A, or the reason it is refused
    } cases[] = {
        {"excel.txt", toCp932(text), "1234"},
        {"unicode.txt", utf16, "1234"},
        {"bom.txt", "\xEF\xBB\xBF" + text.toUtf8(), "1234"},
        {"export.tsv", text.toUtf8(), "1234"},
        {"note.txt", "a note, with a comma\r\n",
         "データファイルの 156 項目のうち 2 項目しかありません。タブ区切りの表でもありません"},
        {"", text.toUtf8(), "1234"},
        {"", "東京,大阪\n食品,1234\n", "1234"},
        {"", encodeDataFile(table).bytes, "1234"},
        {"", workbook.readAll(), "1234"},
        {"", "", "表がありません"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        QFile file(path);
        const bool named = *c.name != 0;
        ASSERT_TRUE(!named || (file.open(QIODevice::WriteOnly) && file.write(c.bytes) >= 0));
        file.close();
        const Result<LoadedTable> loaded =
            *c.name != 0 ? loadTable(path, dataFormat(path, 1)) : loadTableBytes(c.bytes, "-");
        const QString expected = QString::fromUtf8(c.cell);
        if (loaded)
            EXPECT_EQ(loaded->grid[1][1], expected) << c.name << c.bytes.left(20).toStdString();
        else
            EXPECT_TRUE(loaded.failure().reason.contains(expected))
                << c.name << ": " << loaded.failure().reason.toStdString();
    }
}

TEST(TableFiles, WhatIsSavedLoadsBackIntoTheSameBoxes) {
    TableContents table;
    table.setColumnLabel(1, QStringLiteral("品目, \"特\""));
    table.setRowLabel(1, QStringLiteral("東京"));
    table.setValue(1, 1, QStringLiteral("0.5"));
    table.setValue(10, 12, QStringLiteral("1e16"));
    table.setDescription(Description::Title, QStringLiteral("題"));
    table.unshown[6] = QStringLiteral("no box shows this cell");
    const struct {
        const char* name;
        DataFormat format;
        bool whole;             // descriptions and the cells no box shows come back too
        qsizetype unseenLength; // of a cell no box shows
        const char* emptyBox;   // what an empty value box comes back as
    } cases[] = {{"t.txt", DataFormat::Text, true, 10, "0"},
                 {"long.txt", DataFormat::Text, true, 100000, "0"},
                 {"t.csv", DataFormat::Csv, false, 10, ""},
                 {"t.tsv", DataFormat::Csv, false, 10, ""}};
    QTemporaryDir dir;
    for (const auto& c : cases) {
        table.unshown[7] = QString(c.unseenLength, u'東');
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        ASSERT_TRUE(saveTable(path, c.format, table)) << c.name;
        const Result<LoadedTable> loaded = loadTable(path, c.format);
        ASSERT_TRUE(loaded) << c.name;
        TableContents boxes;
        boxes.setDescription(Description::Title, QStringLiteral("kept"));
        boxes.unshown[0] = QStringLiteral("an earlier file's");
        fillBoxes(boxes, *loaded);
        EXPECT_EQ(boxes.columnLabel(1), table.columnLabel(1)) << c.name;
        EXPECT_EQ(boxes.value(10, 12), QStringLiteral("1E+16")) << c.name;
        EXPECT_EQ(boxes.value(1, 2), QString::fromUtf8(c.emptyBox)) << c.name;
        EXPECT_EQ(boxes.description(Description::Title), c.whole ? "題" : "kept") << c.name;
        EXPECT_EQ(boxes.unshown, c.whole ? table.unshown : UnshownCells{}) << c.name;
        EXPECT_EQ(loaded->notice, "") << c.name;
    }
}

// Tables as offices and statistics bureaus publish them, from files of each kind: the boxes they
// fill, the descriptions they give and the totals they leave out.
TEST(TableFiles, TablesInsideSheetsLandWhereAReaderExpectsThem) {
    QTemporaryDir dir;
    const QString office = dir.filePath(QStringLiteral("office.csv"));
    QFile csv(office);
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(",,,\n,,A,B,合計\n,x,1,2,3\n,y,3,4,7\n,合計,4,6,10\n");
    csv.close();
    const QString statistics = QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/statistics.");
    const char* const statisticsTotals = "合計の行「合計」と列「総数」はグラフに入れませんでした。";
    const struct {
        QString path;
        DataFormat format;
        const char* header;
        const char* firstRow;
        Descriptions descriptions;
        const char* leftOut;
    } cases[] = {
        // Saved once by LibreOffice Calc: a statistics table with its totals by formulas.
        {statistics + "xlsx",
         DataFormat::Xlsx,
         ",男,女",
         "農業,60,40",
         {"表2 産業別就業者数(2023年平均)", "万人", "労働力調査", "速報値", ""},
         statisticsTotals},
        {statistics + "ods",
         DataFormat::Ods,
         ",男,女",
         "農業,60,40",
         {"表2 産業別就業者数(2023年平均)", "万人", "労働力調査", "速報値", ""},
         statisticsTotals},
        {office,
         DataFormat::Csv,
         ",A,B",
         "x,1,2",
         {},
         "合計の行「合計」と列「合計」はグラフに入れませんでした。"},
    };
    for (const auto& c : cases) {
        const Result<LoadedTable> loaded = loadTable(c.path, c.format);
        ASSERT_TRUE(loaded) << c.path.toStdString() << ": "
                            << failureMessage(loaded.failure()).toStdString();
        const auto firstCells = [&](int row) {
            return QStringList(loaded->grid[row].begin(), loaded->grid[row].begin() + 3).join(u',');
        };
        EXPECT_EQ(firstCells(0), QString::fromUtf8(c.header)) << c.path.toStdString();
        EXPECT_EQ(firstCells(1), QString::fromUtf8(c.firstRow)) << c.path.toStdString();
        EXPECT_EQ(loaded->grid[4][0], QString()) << c.path.toStdString() << ": no total row";
        EXPECT_EQ(loaded->descriptions.value_or(Descriptions{}), c.descriptions)
            << c.path.toStdString();
        EXPECT_EQ(loaded->leftOut, QString::fromUtf8(c.leftOut)) << c.path.toStdString();
    }
}

} // namespace
