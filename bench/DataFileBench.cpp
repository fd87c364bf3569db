#include "FullTable.h"

#include "data/DataTable.h"
#include "data/InputData.h"
#include "io/TableFiles.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

DataTable fullDataTable() {
    DataTable table;
    inputData(fullTable(), table);
    return table;
}

// Encoding the whole table and writing it through a temporary file that replaces the old one.
void BM_DataFileSave(benchmark::State& run) {
    const DataTable table = fullDataTable();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    for (auto _ : run)
        benchmark::DoNotOptimize(bool(saveTable(path, DataFormat::Text, table)));
}
BENCHMARK(BM_DataFileSave)->Unit(benchmark::kMicrosecond);

void BM_DataFileLoad(benchmark::State& run) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    if (!saveTable(path, DataFormat::Text, fullDataTable()))
        run.SkipWithError("the table cannot be saved");
    for (auto _ : run)
        benchmark::DoNotOptimize(bool(loadTable(path, DataFormat::Text)));
}
BENCHMARK(BM_DataFileLoad)->Unit(benchmark::kMicrosecond);

} // namespace
