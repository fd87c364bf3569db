#include "Printers.h"

#include "data/EntryGrid.h"
#include "io/CsvFile.h"
#include "io/TableFile.h"
#include "io/TableFileBytes.h"

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
        DelimitedText read;
        ASSERT_EQ(decodeCsv(encodeCsv(grid), read, GridRows + 1, GridColumns + 1), "");
        ASSERT_FALSE(read.unclosedQuote);
        const GridLayout layout = layOutBlock(read.grid, read.rows, read.columns);
        ASSERT_EQ(layout.refusal, "") << "grid " << i;
        ASSERT_EQ(layout.grid, grid) << "grid " << i;
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
        const QString refusal = loadGridFile(c.path, DataFormat::Csv).refusal;
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.reason)))
            << c.path.toStdString() << ": " << refusal.toStdString();
    }
}

} // namespace
