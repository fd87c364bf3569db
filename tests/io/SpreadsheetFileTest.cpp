#include "Printers.h"

#include "data/GridWith.h"
#include "io/SpreadsheetFile.h"
#include "io/TableFileBytes.h"
#include "io/TableFiles.h"
#include "io/UsedRange.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Writes a workbook with a real writer (tests/tools/make_spreadsheet.py), the kind by the
// name's extension; `cells` is the JSON of the first sheet's cells.
QString writeWorkbook(const QTemporaryDir& dir, const QString& name, const QString& cells,
                      const QString& extra = {}) {
    const QString path = dir.filePath(name);
    const QString json = QStringLiteral(R"({%1"sheets": [{"name": "表", "cells": %2},
                                         {"name": "二", "cells": {"A1": "other"}}]})")
                             .arg(extra, cells);
    QProcess python;
    python.start(QStringLiteral(TALLYFOLD_PYTHON),
                 {QStringLiteral(TALLYFOLD_SPREADSHEET_WRITER), path, json});
    EXPECT_TRUE(python.waitForFinished(60'000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return path;
}

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(SpreadsheetFile, ReadsTheFirstSheetsUsedRangeAsWritersWriteIt) {
    const struct {
        const char* cells;
        TextGrid grid;
    } cases[] = {
        // A table with its headers and an empty corner, away from A1.
        {R"({"C2": "東京", "D2": "大阪", "B3": "食品", "C3": 30, "D3": 20, "B4": "衣料",
             "C4": 10})",
         {{"", "東京", "大阪"}, {"食品", "30", "20"}, {"衣料", "10", ""}}},
        // Numbers in the grid's general form; a formula by its stored result.
        {R"({"A1": 1234, "B1": 0.5, "C1": 0.30000000000000004, "D1": 1e16, "E1": -2.25,
             "A2": {"formula": "=A1*2", "value": 2468}})",
         {{"1234", "0.5", "0.3", "1E+16", "-2.25"}, {"2468", "", "", "", ""}}},
        // One cell far from A1; a date by its serial number.
        {R"({"F9": {"date": "2024-01-02"}})", {{"45293"}}},
    };
    QTemporaryDir dir;
    for (const char* name : {"t.xlsx", "t.ods"}) {
        for (const auto& c : cases) {
            const Result<KeptBlock> table =
                loadSpreadsheet(writeWorkbook(dir, QString::fromLatin1(name), c.cells));
            ASSERT_TRUE(table) << name << c.cells;
            EXPECT_EQ(table->grid, c.grid) << name << c.cells;
        }
    }
}

TEST(SpreadsheetFile, LoadsOntoTheGridAsATableFileLeavingTheDescriptions) {
    QTemporaryDir dir;
    for (const auto& [name, format] :
         {std::pair{"t.xlsx", DataFormat::Xlsx}, {"t.ods", DataFormat::Ods}}) {
        const QString path = writeWorkbook(dir, QString::fromLatin1(name),
                                           R"({"B1": "東京", "A2": "食品", "B2": 30})");
        const Result<LoadedTable> loaded = loadTable(path, format);
        ASSERT_TRUE(loaded) << name;
        EXPECT_EQ(loaded->grid, gridWith({{0, 1, "東京"}, {1, 0, "食品"}, {1, 1, "30"}})) << name;
        EXPECT_EQ(loaded->descriptions, std::nullopt) << name;
        const QString missing =
            dir.filePath(QStringLiteral("none.") + QString::fromLatin1(name).section(u'.', 1));
        EXPECT_EQ(loadTable(missing, format).failure().file, missing) << "names the file";
    }
}

TEST(SpreadsheetFile, ReadsBooleansOfXlsx) {
    QTemporaryDir dir;
    const QString path = writeWorkbook(dir, "b.xlsx", R"({"A1": true, "B1": false})");
    EXPECT_EQ(loadSpreadsheet(path)->grid, TextGrid({{"TRUE", "FALSE"}}));
}

TEST(SpreadsheetFile, TellsTheSizeOfARangeLargerThanTheGrid) {
    const struct {
        const char* cells;
        int rows;
        int columns;
    } cases[] = {
        {R"({"B2": "x", "M12": 1})", 11, 12}, // the largest that fits
        {R"({"A1": "x", "M11": 1})", 11, 13}, // the largest that fits
        {R"({"B2": "x", "B13": 1})", 12, 1},  // too tall
        {R"({"C3": 1, "P4": "x"})", 2, 14},   // too wide
        {R"({"A1": 1, "XFD1048576": 2})", 1048576, 16384},
    };
    QTemporaryDir dir;
    for (const char* name : {"big.xlsx", "big.ods"}) {
        for (const auto& c : cases) {
            if (QByteArray(c.cells).contains("XFD") && QByteArray(name).endsWith("ods"))
                continue; // odfpy writes every cell up to the last one
            const Result<KeptBlock> table =
                loadSpreadsheet(writeWorkbook(dir, QString::fromLatin1(name), c.cells));
            const bool fits = c.rows <= 11 && c.columns <= 13;
            ASSERT_EQ(bool(table), fits) << name << c.cells;
            if (fits) {
                EXPECT_EQ(table->rows, c.rows) << name << c.cells;
                EXPECT_EQ(table->columns, c.columns) << name << c.cells;
                EXPECT_EQ(table->grid.size(), static_cast<std::size_t>(c.rows)) << name;
                continue;
            }
            const QString size = QStringLiteral("%1 行 × %2 列です").arg(c.rows).arg(c.columns);
            EXPECT_TRUE(table.failure().reason.contains(size))
                << table.failure().reason.toStdString();
        }
    }
}

TEST(SpreadsheetFile, RefusesAFileThatReportsMillionsOfCells) {
    QTemporaryDir dir;
    const QString path =
        writeWorkbook(dir, "many.ods", R"({"A1": {"value": 1, "repeat": 2000000000}})");
    EXPECT_TRUE(loadSpreadsheet(path).failure().reason.contains(QStringLiteral("セルが多すぎる")));
}

TEST(UsedRange, FillsDownAndDropsTheTextsOfARangeThatOutgrowsTheGrid) {
    UsedRange cells;
    cells.set(5, 3, [] { return QStringLiteral("x"); });
    cells.fillDown(5, 3, 2);
    cells.set(4, 4, [] { return QStringLiteral("y"); });
    EXPECT_EQ(cells.grid(), TextGrid({{"", "y"}, {"x", ""}, {"x", ""}, {"x", ""}}));
    cells.fillDown(5, 3, 8);
    EXPECT_EQ(cells.rows(), 10);
    EXPECT_TRUE(cells.fits());
    cells.set(0, 16, [] { return QStringLiteral("z"); });
    EXPECT_EQ(cells.rows(), 14);
    EXPECT_EQ(cells.columns(), 14);
    EXPECT_TRUE(cells.grid().empty());
}

TEST(SpreadsheetFile, RefusesWhatItCannotRead) {
    QTemporaryDir dir;
    const QString xlsx = writeWorkbook(dir, "real.xlsx", R"({"A1": 1})");
    const QString ods = writeWorkbook(dir, "real.ods", R"({"A1": 1})");
    QFile xlsxFile(xlsx);
    ASSERT_TRUE(xlsxFile.open(QIODevice::ReadOnly));
    const QByteArray xlsxBytes = xlsxFile.readAll();
    QFile odsFile(ods);
    ASSERT_TRUE(odsFile.open(QIODevice::ReadOnly));
    // A record of the central directory that declares an entry of 4 GB.
    QByteArray forged = xlsxBytes;
    const qsizetype record = forged.indexOf(QByteArrayLiteral("PK\x01\x02"));
    ASSERT_GE(record, 0);
    forged.replace(record + 24, 4, QByteArrayLiteral("\xFF\xFF\xFF\xFF"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.xlsx")).constData(), 0600), 0);
    QFile huge(dir.filePath("huge.ods"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(MaxTableFileBytes + 1));

    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {writeBytes(dir, "text.xlsx", "a,b\r\n1,2\r\n"), "Excel ブック（.xlsx）ではない"},
        {writeBytes(dir, "ods.xlsx", odsFile.readAll()), "Excel ブック（.xlsx）ではない"},
        {writeBytes(dir, "xlsx.ods", xlsxBytes), "OpenDocument スプレッドシート（.ods）ではない"},
        {writeBytes(dir, "locked.xlsx",
                    QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0')),
         "パスワードで保護された"},
        {writeBytes(dir, "empty.ods", {}), "空です"},
        {writeBytes(dir, "forged.xlsx", forged), "中身が大きすぎる"},
        {writeWorkbook(dir, "openpyxl.xlsx", R"({"A1": 1})", R"("writer": "openpyxl",)"),
         "最初のシートの場所が読み取れない"},
        {dir.filePath("pipe.xlsx"), "通常のファイルではない"},
        {huge.fileName(), "64 MB まで"},
        {dir.filePath("none.xlsx"), "見つかりません"},
        {writeBytes(dir, "table.csv", "a,b\r\n"), "（.xlsx、.ods）ではありません"},
    };
    for (const auto& c : cases) {
        const Result<KeptBlock> table = loadSpreadsheet(c.path);
        ASSERT_FALSE(table) << c.path.toStdString();
        EXPECT_TRUE(table.failure().reason.contains(QString::fromUtf8(c.reason)))
            << c.path.toStdString() << ": " << table.failure().reason.toStdString();
    }
}

} // namespace
