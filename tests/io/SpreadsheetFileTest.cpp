#include "Printers.h"

#include "data/TableFinder.h"
#include "io/SpreadsheetFile.h"
#include "io/TableFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Writes a workbook with a real writer (tests/tools/make_spreadsheet.py): XlsxWriter or openpyxl
// by `writer`, odfpy for .ods; `json` describes it.
QString writeWorkbook(const QTemporaryDir& dir, const QString& name, const QString& json) {
    const QString path = dir.filePath(name);
    QProcess python;
    python.start(QStringLiteral(TALLYFOLD_PYTHON),
                 {QStringLiteral(TALLYFOLD_SPREADSHEET_WRITER), path, json});
    EXPECT_TRUE(python.waitForFinished(60'000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return path;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// A cover, a hidden sheet, then a table with a merged title, year headers in date formats, a
// hidden row whose label is merged into the next row, a hidden column and a note below.
const char* const OfficeTable = R"({%1"sheets": [
    {"name": "表紙", "cells": {"A1": "表紙"}},
    {"name": "隠し", "hidden": true, "cells": {"A1": 5}},
    {"name": "表", "merge": ["A1:D1", "A5:A6"], "hide_rows": [5], "hide_columns": ["D"], "cells": {
        "A1": "売上表",
        "B3": {"date": "2021-01-01", "format": "yyyy\"年\"", "shown": "2021年"},
        "C3": {"date": "2019-05-01", "format": "ggge\"年\"", "shown": "令和1年"}, "D3": "隠す列",
        "A4": {"rich": ["食", "  品"]}, "B4": {"value": 1234, "format": "#,##0"}, "C4": 7, "D4": 9,
        "A5": "衣料", "B5": 99, "C5": 99, "B6": 0.5, "C6": true,
        "A7": "雑貨", "B7": 1e16, "C7": -2.25, "A9": "注: 単位は千円"}}]})";
const TextGrid OfficeGrid = {{"", "2021年", "令和1年"},
                             {"食  品", "1234", "7"},
                             {"衣料", "0.5", "TRUE"},
                             {"雑貨", "1E+16", "-2.25"}};

// Shared strings with runs and a phonetic reading, an inline string, a formula's string, an
// error, rows and cells without their references: what Excel writes beside XlsxWriter.
const char* const HandPatched =
    R"({"patch": [["xl/worksheets/sheet1.xml", "<sheetData/>", "<sheetData><row><c t=\"s\">)"
    R"(<v>0</v></c><c t=\"inlineStr\"><is><t>大阪</t></is></c></row><row><c t=\"str\">)"
    R"(<f>A1</f><v>計</v></c><c s=\"0\"><v>5</v></c><c t=\"e\"><v>#DIV/0!</v></c><c><v>6)"
    R"(</v></c></row></sheetData>"], ["xl/sharedStrings.xml", "<t>x</t>", "<r><t>東</t></r>)"
    R"(<r><t>京</t></r><rPh sb=\"0\" eb=\"2\"><t>トウキョウ</t></rPh>"]],)"
    R"("sheets": [{"name": "a", "cells": {}}, {"name": "b", "cells": {"A1": "x"}}]})";

const TextGrid LibreOfficeSales = {{"", "2021年", "2022年", "2023年"},
                                   {"東京", "1234", "2345.5", "3456"},
                                   {"名古屋", "700", "800", "0.25"}};
const TextGrid LibreOfficeDates = {{"", "2024/3/5", "3月5日", "2024年3月"},
                                   {"件数", "1", "2", "3"}};

TEST(SpreadsheetFile, EachWorkbookGivesTheTableOfItsSheet) {
    QTemporaryDir dir;
    const QString saved = QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/libreoffice.");
    const QString office = QString::fromUtf8(OfficeTable);
    const struct {
        QString path;
        QString sheet;
        TextGrid grid;
        const char* failure = ""; // the reason's text when it is refused
    } cases[] = {
        // Saved by LibreOffice Calc from libreoffice.fods; the table sheets are 売上 and 日付.
        {saved + "xlsx", "", LibreOfficeSales},
        {saved + "ods", "", LibreOfficeSales},
        {saved + "xlsx", "日付", LibreOfficeDates},
        {saved + "ods", "3", LibreOfficeDates},
        {saved + "ods", "表紙", {{"2023年度 売上報告"}, {""}, {"営業部"}}},
        {saved + "xlsx", "4", {}, "シート「4」がありません"},
        // Written now by XlsxWriter, openpyxl (absolute part names) and odfpy.
        {writeWorkbook(dir, "w.xlsx", office.arg("")), "", OfficeGrid},
        {writeWorkbook(dir, "o.xlsx", office.arg(R"("writer": "openpyxl",)")), "", OfficeGrid},
        {writeWorkbook(dir, "w.ods", office.arg("")), "", OfficeGrid},
        {writeWorkbook(dir, "h.xlsx", HandPatched),
         "",
         {{"東京", "大阪", "", ""}, {"計", "5", "#DIV/0!", "6"}}},
        // A table too large for a sheet is refused from what its first rows tell.
        {writeWorkbook(dir, "tall.xlsx", R"({"sheets": [{"name": "t", "cells": {"A1": 1,
                                             "B250": 2}}]})"),
         "",
         {},
         "シート「t」は 250 行 × 2 列以上"},
        {writeWorkbook(dir, "wide.ods", R"({"sheets": [{"name": "w", "cells": {"A1": {"value": 1,
                                             "repeat": 2000000000}}}]})"),
         "",
         {},
         "シート「w」は 1 行 × 51 列以上"},
    };
    for (const auto& c : cases) {
        const QString what = c.path + " " + c.sheet;
        const SpreadsheetKind kind =
            c.path.endsWith("xlsx") ? SpreadsheetKind::Xlsx : SpreadsheetKind::Ods;
        const Result<SheetTable> table = readSpreadsheet(contents(c.path), kind, {c.sheet, {}});
        ASSERT_EQ(bool(table), c.grid.size() > 0) << what.toStdString();
        if (table) // the table a reader finds among the sheet's shown cells
            EXPECT_EQ(findTable(table->block.grid).block, c.grid) << what.toStdString();
        else
            EXPECT_TRUE(table.failure().reason.contains(QString::fromUtf8(c.failure)))
                << what.toStdString() << ": " << table.failure().reason.toStdString();
    }
}

TEST(SpreadsheetFile, AsksWhichSheetWhenMoreThanOneShownSheetHoldsATable) {
    const QString path = QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/libreoffice.xlsx");
    for (const std::optional<qsizetype> answer : {std::optional<qsizetype>(1), {}}) {
        QStringList offered;
        const Result<LoadedTable> loaded =
            loadTable(path, DataFormat::Xlsx, {{}, [&](const QStringList& names) {
                                                   offered = names;
                                                   return answer;
                                               }});
        EXPECT_EQ(offered, QStringList({"売上", "日付"}));
        ASSERT_EQ(bool(loaded), bool(answer));
        if (loaded) {
            EXPECT_EQ(loaded->sheet, "日付");
            EXPECT_EQ(loaded->grid[1][0], "件数");
        }
    }
}

TEST(SpreadsheetFile, RefusesWhatItCannotRead) {
    QTemporaryDir dir;
    const QByteArray xlsx = contents(QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/libreoffice.xlsx"));
    const QByteArray ods = contents(QStringLiteral(TALLYFOLD_WORKBOOKS_DIR "/libreoffice.ods"));
    QByteArray damaged = xlsx;
    damaged[damaged.indexOf("xl/worksheets/sheet3.xml") + 200] ^= 0x55; // inside its deflate data
    const struct {
        QByteArray bytes;
        SpreadsheetKind kind;
        const char* reason;
    } cases[] = {
        {"a,b\r\n1,2\r\n", SpreadsheetKind::Xlsx, "Excel ブック（.xlsx）ではない"},
        {ods, SpreadsheetKind::Xlsx, "Excel ブック（.xlsx）ではない"},
        {xlsx, SpreadsheetKind::Ods, "OpenDocument スプレッドシート（.ods）ではない"},
        {QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0'),
         SpreadsheetKind::Xlsx, "パスワードで保護された"},
        {{}, SpreadsheetKind::Ods, "空です"},
        {damaged, SpreadsheetKind::Xlsx, "壊れている"},
    };
    for (const auto& c : cases) {
        const Result<SheetTable> table = readSpreadsheet(c.bytes, c.kind);
        ASSERT_FALSE(table) << c.reason;
        EXPECT_TRUE(table.failure().reason.contains(QString::fromUtf8(c.reason)))
            << c.reason << ": " << table.failure().reason.toStdString();
    }
}

} // namespace
