#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/MemoryBoxes.h"
#include "graph/ChartState.h"
#include "graph/ColourChart.h"
#include "graph/Form2.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    // Until the entry window exists the program shows the chart of a built-in example table.
    MemoryBoxes boxes;
    boxes.setDescription(Description::Title, QStringLiteral("地域別の売上構成"));
    boxes.setDescription(Description::Unit, QStringLiteral("百万円"));
    boxes.setDescription(Description::Source, QStringLiteral("社内資料"));
    boxes.setDescription(Description::Author, QStringLiteral("Tallyfold"));
    const char* columns[] = {"食品", "衣料", "家電", "書籍"};
    const int values[][4] = {{30, 20, 50, 10}, {12, 40, 8, 20}, {25, 25, 25, 25}, {5, 10, 60, 5}};
    const char* rows[] = {"東京", "大阪", "名古屋", "福岡"};
    for (int c = 0; c < 4; ++c)
        boxes.setColumnLabel(c + 1, QString::fromUtf8(columns[c]));
    for (int r = 0; r < 4; ++r) {
        boxes.setRowLabel(r + 1, QString::fromUtf8(rows[r]));
        for (int c = 0; c < 4; ++c)
            boxes.setValue(r + 1, c + 1, QString::number(values[r][c]));
    }

    DataTable table;
    ChartState state;
    inputData(boxes, table);
    Form2 graph;
    graph.show();
    drawColourChart(state, table, boxes, graph, GraphSize::Standard);
    return app.exec();
}
