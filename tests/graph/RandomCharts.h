#pragma once

#include "data/TableContents.h"
#include "graph/WindowlessGraph.h"

#include <random>
#include <vector>

// Random and extreme tables, each with a size, an order and options of its own, the same on every
// machine: full tables of long labels and large totals, bars far thinner than a line of text,
// negative values, rows that cancel out, tabs in the labels.
struct RandomChart {
    TableContents boxes;
    ChartStyle style;
};

inline std::vector<RandomChart> randomCharts(int count, unsigned seed) {
    const QString labels[] = {QStringLiteral("北海道"),
                              QStringLiteral("沖縄"),
                              QStringLiteral("関東地方の合計"),
                              QStringLiteral("a\tb"),
                              QStringLiteral("とても長い見出し").repeated(5),
                              QString()};
    std::mt19937 random(seed);
    std::vector<RandomChart> charts(count);
    for (RandomChart& chart : charts) {
        const bool full = random() % 3 == 0;
        const int rows = full ? 10 : 1 + int(random() % 10);
        for (int r = 1; r <= rows; ++r) {
            chart.boxes.setRowLabel(r, labels[random() % std::size(labels)]);
            const int columns = full ? 12 : int(random() % 13);
            for (int c = 1; c <= columns; ++c) {
                const double magnitude = std::pow(10.0, random() % 700 / 100.0);
                const double sign = random() % 12 == 0 ? -1 : 1;
                chart.boxes.setValue(r, c, QString::number(sign * std::round(magnitude)));
            }
        }
        for (int c = 1; c <= 12; ++c)
            chart.boxes.setColumnLabel(c, QStringLiteral("項目%1").arg(c));
        chart.boxes.setDescription(Description::Author, QStringLiteral("作成者"));
        chart.style = {random() % 2 == 0, GraphSize(random() % 3),
                       ChartOptions{random() % 2 == 0, random() % 2 == 0, random() % 3 != 0,
                                    BarOrder(random() % 3), 1 + int(random() % 12)}};
    }
    return charts;
}
