#include "FullTable.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/MemoryBoxes.h"
#include "graph/ChartState.h"
#include "graph/ColourChart.h"
#include "graph/PatternChart.h"
#include "graph/WindowlessGraph.h"

#include <benchmark/benchmark.h>

namespace {

// Whole charts of a table, totals, frame, texts and bars, onto the image canvas.
template <auto drawChart> void runCharts(benchmark::State& run, const MemoryBoxes& boxes) {
    DataTable table;
    inputData(boxes, table);
    ChartState state;
    WindowlessGraph graph;
    for (auto _ : run) {
        drawChart(state, table, boxes, graph, GraphSize::Standard);
        benchmark::DoNotOptimize(graph.picture().image().constBits());
    }
}

void BM_ColourChart(benchmark::State& run) {
    runCharts<drawColourChart>(run, fullTable());
}
BENCHMARK(BM_ColourChart)->Unit(benchmark::kMicrosecond);

void BM_PatternChart(benchmark::State& run) {
    runCharts<drawPatternChart>(run, fullTable());
}
BENCHMARK(BM_PatternChart)->Unit(benchmark::kMicrosecond);

// The colour chart with every label and text 100,000 characters long.
void BM_ColourChartLongTexts(benchmark::State& run) {
    MemoryBoxes boxes = fullTable();
    const QString longText(100000, QChar(u'長'));
    for (int r = 1; r <= 10; ++r)
        boxes.setRowLabel(r, longText);
    for (int c = 1; c <= 12; ++c)
        boxes.setColumnLabel(c, longText);
    for (Description which : AllDescriptions)
        boxes.setDescription(which, longText);
    runCharts<drawColourChart>(run, boxes);
}
BENCHMARK(BM_ColourChartLongTexts)->Unit(benchmark::kMillisecond);

void BM_InputData(benchmark::State& run) {
    const MemoryBoxes boxes = fullTable();
    DataTable table;
    for (auto _ : run) {
        inputData(boxes, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_InputData)->Unit(benchmark::kMicrosecond);

} // namespace
