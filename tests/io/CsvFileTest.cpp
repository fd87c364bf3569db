#include "Printers.h"

#include "data/DataTable.h"
#include "data/EntryGrid.h"
#include "data/GridWith.h"
#include "io/Cp932.h"
#include "io/CsvFile.h"
#include "io/SaveFile.h"
#include "io/TableFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(CsvFile, EncodesUtf8WithMarkQuotesAndCrLf) {
    const TextGrid grid{{"", "東京", "a,b"}, {"say \"hi\"", "1\n2", "0.5"}};
    EXPECT_EQ(encodeCsv(grid), QByteArray("\xEF\xBB\xBF,\xE6\x9D\xB1\xE4\xBA\xAC,\"a,b\"\r\n"
                                          "\"say \"\"hi\"\"\",\"1\n2\",0.5\r\n"));
}

TEST(CsvFile, DecodesEncodingsAndSeparators) {
    const struct {
        QByteArray bytes;
        TextGrid grid;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "a,b\r\n",
         {{"a", "b"}}},
        {"\xE6\x9D\xB1,1\n", {{"東", "1"}}},
        {toCp932(QStringLiteral("東京,ｶﾅ\r\n")), {{"東京", "ｶﾅ"}}},
        {"a;b;c,d\n1;2", {{"a", "b", "c,d"}, {"1", "2"}}},
        {"a\tb,c\tx\n", {{"a", "b,c", "x"}}},
        {"\"x;y;z\",b\n1,2", {{"x;y;z", "b"}, {"1", "2"}}},
        {"\"a,\"\"b,c\";d\n\"1;2\"", {{"a,\"b,c", "d"}, {"1;2"}}},
        {"abc\n", {{"abc"}}},
        {"\xEF\xBB\xBF\"a\nb\",1\r\n2;3,4\r\n", {{"a\nb", "1"}, {"2;3", "4"}}},
    };
    for (const auto& c : cases) {
        const Result<DelimitedText> read = decodeCsv(c.bytes);
        ASSERT_TRUE(read) << c.bytes.toStdString();
        EXPECT_EQ(read->grid, c.grid) << c.bytes.toStdString();
        EXPECT_EQ(read->rows, static_cast<int>(c.grid.size())) << c.bytes.toStdString();
    }
}

TEST(CsvFile, LaysTablesWithHeadersAsTheyStandOthersFrom1A) {
    const Result<GridLayout> headed = layOutBlock({{"", "A"}, {"y", "1", "2"}});
    ASSERT_TRUE(headed);
    EXPECT_EQ(headed->grid, gridWith({{0, 1, "A"}, {1, 0, "y"}, {1, 1, "1"}, {1, 2, "2"}}));
    EXPECT_EQ(layOutBlock({{"1", "2"}, {"3"}})->grid,
              gridWith({{1, 1, "1"}, {1, 2, "2"}, {2, 1, "3"}}));

    // The largest tables that fit: 10 by 12 values, with and without headers.
    EXPECT_TRUE(layOutBlock(TextGrid(10, std::vector<QString>(12, "1"))));
    TextGrid full(11, std::vector<QString>(13, "t"));
    full[0][0].clear();
    EXPECT_EQ(layOutBlock(full)->grid, full);
}

TEST(CsvFile, RefusesMoreThanTenRowsOrTwelveColumnsOfValues) {
    TextGrid tallBare(11, std::vector<QString>(12, "1"));
    tallBare[3].resize(5); // ragged: the longest row counts
    TextGrid wideHeaded(11, std::vector<QString>(13, "t"));
    wideHeaded[0][0].clear();
    wideHeaded[4].resize(14);
    const struct {
        TextGrid read;
        const char* size;
    } cases[] = {{tallBare, "11 行 × 12 列"}, {wideHeaded, "10 行 × 13 列"}};
    for (const auto& c : cases) {
        const Result<GridLayout> table = layOutBlock(c.read);
        ASSERT_FALSE(table) << c.size;
        EXPECT_TRUE(table.failure().reason.contains(QStringLiteral("10 行 × 12 列"))) << c.size;
        EXPECT_TRUE(table.failure().reason.contains(QString::fromUtf8(c.size))) << c.size;
    }
}

TEST(CsvFile, SavesAndLoadsThroughTheDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("表.csv"));
    DataTable table;
    table(0, 1) = QStringLiteral("品目, \"特\"");
    table(1, 0) = QStringLiteral("東京\n本社");
    table(10, 12) = -0.25;
    table(11, 1) = QStringLiteral("a description, which CSV does not keep");
    ASSERT_TRUE(saveTable(path, DataFormat::Csv, table));
    const Result<LoadedTable> loaded = loadTable(path, DataFormat::Csv);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->grid,
              gridWith({{0, 1, "品目, \"特\""}, {1, 0, "東京\n本社"}, {10, 12, "-0.25"}}));
    EXPECT_EQ(loaded->descriptions, std::nullopt);

    EXPECT_FALSE(loadTable(dir.filePath(QStringLiteral("none.csv")), DataFormat::Csv));
    EXPECT_FALSE(saveTable(dir.filePath(QStringLiteral("no/such.csv")), DataFormat::Csv, table));

    // Bytes that are not text are refused.
    const QString binary = dir.filePath(QStringLiteral("picture.csv"));
    ASSERT_TRUE(saveBytes(Action::SaveTable, binary, QByteArray("1,2\0\x89PNG", 8)));
    const Result<LoadedTable> refused = loadTable(binary, DataFormat::Csv);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.failure().reason.contains(QStringLiteral("NUL")));
}

} // namespace
