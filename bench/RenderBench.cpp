#include "FullTable.h"

#include "cli/ChartRender.h"
#include "cli/RenderCommand.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "io/TableFiles.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One data file read, drawn and written as `tallyfold --render` does it for every input.
template <PictureFormat format> void runRender(benchmark::State& run) {
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("table.txt"));
    DataTable table;
    inputData(fullTable(), table);
    if (!saveTable(input, DataFormat::Text, table))
        run.SkipWithError("the table cannot be saved");
    const QString output = dir.filePath(QStringLiteral("chart.") + pictureSuffix(format));
    keepFreedMemoryForTheNextChart();
    for (auto _ : run)
        if (const Result<QString> rendered = renderChart(input, output, format, {}); !rendered)
            run.SkipWithError(qPrintable(failureMessage(rendered.failure())));
}

void BM_RenderPng(benchmark::State& run) {
    runRender<PictureFormat::Png>(run);
}
BENCHMARK(BM_RenderPng)->Unit(benchmark::kMillisecond);

void BM_RenderSvg(benchmark::State& run) {
    runRender<PictureFormat::Svg>(run);
}
BENCHMARK(BM_RenderSvg)->Unit(benchmark::kMillisecond);

void BM_RenderPdf(benchmark::State& run) {
    runRender<PictureFormat::Pdf>(run);
}
BENCHMARK(BM_RenderPdf)->Unit(benchmark::kMillisecond);

} // namespace
