#include "FullTable.h"
#include "app/GraphWindow.h"
#include "app/ChartView.h"
#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/TableContents.h"
#include "graph/ChartLayout.h"
#include "graph/ChartReading.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/PatternChart.h"
#include "graph/WindowlessGraph.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// Whole charts of a table, totals, frame, texts and bars, onto the image canvas.
template <auto drawChart> void runCharts(benchmark::State& run, const TableContents& boxes) {
    DataTable table;
    inputData(boxes, table);
    PlotGeometry plot;
    WindowlessGraph graph;
    const TextMetrics metrics = chartTextMetrics(NewCanvasWidth);
    for (auto _ : run) {
        drawChart(plot, table, boxes, graph, GraphSize::Standard, metrics, ChartOptions{});
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

// The full table with every label and text `length` characters long.
TableContents longTexts(qsizetype length) {
    TableContents boxes = fullTable();
    const QString text(length, QChar(u'長'));
    for (int r = 1; r <= 10; ++r)
        boxes.setRowLabel(r, text);
    for (int c = 1; c <= 12; ++c)
        boxes.setColumnLabel(c, text);
    for (Description which : AllDescriptions)
        boxes.setDescription(which, text);
    return boxes;
}

void BM_ColourChartLongTexts(benchmark::State& run) {
    runCharts<drawColourChart>(run, longTexts(100000));
}
BENCHMARK(BM_ColourChartLongTexts)->Unit(benchmark::kMillisecond);

// The colour chart command with labels and texts of run.range(0) characters: the chart and its
// reading, as the entry window's button draws them.
void chartCommand(benchmark::State& run, GraphSurface& graph, ChartView* shown) {
    const TableContents boxes = longTexts(run.range(0));
    DataTable table;
    inputData(boxes, table);
    PlotGeometry plot;
    const TextMetrics metrics = chartTextMetrics(NewCanvasWidth);
    for (auto _ : run) {
        ChartReading reading(
            drawColourChart(plot, table, boxes, graph, GraphSize::Standard, metrics));
        if (shown) {
            shown->setReading(std::move(reading));
            QCoreApplication::processEvents(); // the window repaints
        } else {
            benchmark::DoNotOptimize(reading);
        }
    }
}

void BM_ChartCommandWindowless(benchmark::State& run) {
    WindowlessGraph graph;
    chartCommand(run, graph, nullptr);
}
BENCHMARK(BM_ChartCommandWindowless)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same on a shown graph window, which is told of every change of its canvas.
void BM_ChartCommandWindow(benchmark::State& run) {
    GraphWindow graph;
    graph.show();
    chartCommand(run, graph, &graph.chartView());
}
BENCHMARK(BM_ChartCommandWindow)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_InputData(benchmark::State& run) {
    const TableContents boxes = fullTable();
    DataTable table;
    for (auto _ : run) {
        inputData(boxes, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_InputData)->Unit(benchmark::kMicrosecond);

} // namespace
