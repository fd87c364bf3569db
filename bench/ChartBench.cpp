#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/MemoryBoxes.h"
#include "graph/ChartState.h"
#include "graph/ColourChart.h"
#include "graph/Form2.h"
#include "graph/ImageCanvas.h"
#include "graph/PatternChart.h"

#include <benchmark/benchmark.h>

namespace {

// A full table: 10 rows of 12 values, every label and text filled.
MemoryBoxes fullTable() {
    MemoryBoxes boxes;
    for (int r = 1; r <= 10; ++r) {
        boxes.setRowLabel(r, QStringLiteral("行ラベル %1").arg(r));
        for (int c = 1; c <= 12; ++c)
            boxes.setValue(r, c, QString::number((r * 37 + c * 11) % 97 + 1));
    }
    for (int c = 1; c <= 12; ++c)
        boxes.setColumnLabel(c, QStringLiteral("列 %1").arg(c));
    boxes.setDescription(Description::Title, QStringLiteral("全国の売上構成"));
    boxes.setDescription(Description::Unit, QStringLiteral("百万円"));
    boxes.setDescription(Description::Source, QStringLiteral("社内資料"));
    boxes.setDescription(Description::Note, QStringLiteral("概数"));
    boxes.setDescription(Description::Author, QStringLiteral("企画部"));
    return boxes;
}

struct BenchSurface : GraphSurface {
    ImageCanvas pic{Form2::CanvasWidth, Form2::CanvasHeight, qRgb(0xE0, 0xE0, 0xE0)};
    Canvas& canvas() override { return pic; }
    void setWindowHeight(int) override {}
};

// One whole chart of the full table, totals, frame, texts and bars, onto the image canvas.
template <auto drawChart> void BM_Chart(benchmark::State& run) {
    const MemoryBoxes boxes = fullTable();
    DataTable table;
    inputData(boxes, table);
    ChartState state;
    BenchSurface surface;
    for (auto _ : run) {
        drawChart(state, table, boxes, surface, GraphSize::Standard);
        benchmark::DoNotOptimize(surface.pic.image().constBits());
    }
}

void BM_ColourChart(benchmark::State& run) {
    BM_Chart<drawColourChart>(run);
}
BENCHMARK(BM_ColourChart)->Unit(benchmark::kMicrosecond);

void BM_PatternChart(benchmark::State& run) {
    BM_Chart<drawPatternChart>(run);
}
BENCHMARK(BM_PatternChart)->Unit(benchmark::kMicrosecond);

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
