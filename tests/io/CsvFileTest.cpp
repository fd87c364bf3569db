#include "Printers.h"

#include "data/EntryGrid.h"
#include "data/GridWith.h"
#include "io/Cp932.h"
#include "io/CsvFile.h"
#include "io/SaveFile.h"

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
    };
    for (const auto& c : cases) {
        DelimitedText read;
        EXPECT_EQ(decodeCsv(c.bytes, read), "") << c.bytes.toStdString();
        EXPECT_EQ(read.grid, c.grid) << c.bytes.toStdString();
    }
}

TEST(CsvFile, LaysTablesWithHeadersAsTheyStandOthersFrom1A) {
    const GridLayout headed = layOutBlock({{"", "A"}, {"y", "1", "2"}});
    EXPECT_EQ(headed.refusal, "");
    EXPECT_EQ(headed.grid, gridWith({{0, 1, "A"}, {1, 0, "y"}, {1, 1, "1"}, {1, 2, "2"}}));
    EXPECT_EQ(layOutBlock({{"1", "2"}, {"3"}}).grid,
              gridWith({{1, 1, "1"}, {1, 2, "2"}, {2, 1, "3"}}));

    // The largest tables that fit: 10 by 12 values, with and without headers.
    EXPECT_EQ(layOutBlock(TextGrid(10, std::vector<QString>(12, "1"))).refusal, "");
    TextGrid full(11, std::vector<QString>(13, "t"));
    full[0][0].clear();
    EXPECT_EQ(layOutBlock(full).grid, full);
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
        const GridLayout table = layOutBlock(c.read);
        EXPECT_TRUE(table.refusal.contains(QStringLiteral("10 行 × 12 列"))) << c.size;
        EXPECT_TRUE(table.refusal.contains(QString::fromUtf8(c.size))) << c.size;
    }
}

TEST(CsvFile, SavesAndLoadsThroughTheDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("表.csv"));
    const TextGrid grid =
        gridWith({{0, 1, "品目, \"特\""}, {1, 0, "東京\n本社"}, {10, 12, "-0.25"}});
    ASSERT_EQ(saveCsvFile(path, grid), "");
    DelimitedText read;
    ASSERT_EQ(loadCsvFile(path, read, GridRows, GridColumns), "");
    EXPECT_EQ(layOutBlock(read.grid).grid, grid);

    EXPECT_NE(loadCsvFile(dir.filePath(QStringLiteral("none.csv")), read, 1, 1), "");
    EXPECT_NE(saveCsvFile(dir.filePath(QStringLiteral("no/such.csv")), grid), "");

    // Bytes that are not text are refused, and what was read stays.
    const QString binary = dir.filePath(QStringLiteral("picture.csv"));
    ASSERT_EQ(saveBytes(binary, QByteArray("1,2\0\x89PNG", 8)), "");
    EXPECT_TRUE(loadCsvFile(binary, read, 1, 1).contains(QStringLiteral("NUL")));
    EXPECT_EQ(layOutBlock(read.grid).grid, grid);
}

} // namespace
