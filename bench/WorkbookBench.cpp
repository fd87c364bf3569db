#include "io/SpreadsheetFile.h"

#include <QString>

#include <benchmark/benchmark.h>
#include <zip.h>

namespace {

// An .xlsx whose one sheet has 100,000 rows of five numbers, made in memory with libzip, as a
// spreadsheet's export of a whole data set would be.
QByteArray largeWorkbook() {
    QByteArray sheet = "<worksheet><sheetData>";
    for (int r = 1; r <= 100'000; ++r) {
        sheet += "<row r=\"" + QByteArray::number(r) + "\">";
        for (int c = 0; c < 5; ++c)
            sheet += "<c><v>" + QByteArray::number(r * 5 + c) + "</v></c>";
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    const std::pair<const char*, QByteArray> parts[] = {
        {"[Content_Types].xml", "<Types/>"},
        {"_rels/.rels", "<Relationships><Relationship Id=\"r\" Type=\"x/officeDocument\" "
                        "Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook><sheets><sheet name=\"data\" r:id=\"s\" "
                            "xmlns:r=\"r\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", "<Relationships><Relationship Id=\"s\" Type=\"x/worksheet\" "
                                       "Target=\"sheet.xml\"/></Relationships>"},
        {"xl/sheet.xml", sheet},
    };
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : parts)
        zip_file_add(archive, name, zip_source_buffer(archive, bytes.constData(), bytes.size(), 0),
                     0);
    zip_close(archive);
    QByteArray workbook;
    zip_stat_t stat;
    zip_source_stat(buffer, &stat);
    workbook.resize(static_cast<qsizetype>(stat.size));
    zip_source_open(buffer);
    zip_source_read(buffer, workbook.data(), stat.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    return workbook;
}

// Refusing a sheet far larger than a table: it stops after its first 200 rows.
void BM_LargeWorkbookRefused(benchmark::State& run) {
    const QByteArray workbook = largeWorkbook();
    run.counters["bytes"] = static_cast<double>(workbook.size());
    for (auto _ : run)
        if (readSpreadsheet(workbook, SpreadsheetKind::Xlsx))
            run.SkipWithError("the large workbook was read");
}
BENCHMARK(BM_LargeWorkbookRefused)->Unit(benchmark::kMicrosecond);

} // namespace
