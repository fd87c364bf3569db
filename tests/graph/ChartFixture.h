#pragma once

#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/TableContents.h"
#include "graph/ChartLayout.h"
#include "graph/ColourChart.h"
#include "graph/Fonts.h"
#include "graph/PatternChart.h"
#include "graph/RecordingCanvas.h"

#include <initializer_list>

// The text a recording canvas keeps for a Line operation.
inline QString lineOp(int form, double x1, double y1, double x2, double y2,
                      const char* colour = nullptr) {
    QString op = QStringLiteral("line(%1, %2, %3, %4, %5")
                     .arg(form)
                     .arg(QString::number(x1, 'g', 9), QString::number(y1, 'g', 9),
                          QString::number(x2, 'g', 9), QString::number(y2, 'g', 9));
    if (colour)
        op += QStringLiteral(", ") + QString::fromLatin1(colour);
    return op + QLatin1Char(')');
}

// The operations without the text positions set before every print.
inline QStringList withoutTextPosition(QStringList ops) {
    ops.removeIf([](const QString& op) { return op.startsWith(QStringLiteral("setCurrent")); });
    return ops;
}

// A table typed into memory boxes and charted onto a recording surface.
struct ChartFixture {
    TableContents boxes;
    DataTable table;
    PlotGeometry plot;
    RecordingSurface surface;
    TextMetrics metrics = chartTextMetrics(NewCanvasWidth);
    ChartLayout layout; // of the last chart drawn, with its failure

    void setRow(int row, std::initializer_list<double> values) {
        int c = 1;
        for (double v : values)
            boxes.setValue(row, c++, QString::number(v, 'g', 17));
    }

    void drawColour(GraphSize size = GraphSize::Standard, const ChartOptions& options = {}) {
        surface.pic.ops.clear();
        inputData(boxes, table);
        layout = drawColourChart(plot, table, boxes, surface, size, metrics, options);
    }

    void drawPattern(GraphSize size = GraphSize::Standard, const ChartOptions& options = {}) {
        surface.pic.ops.clear();
        inputData(boxes, table);
        layout = drawPatternChart(plot, table, boxes, surface, size, metrics, options);
    }

    // The operations drawn after the grand total text: the bars and their labels.
    QStringList barOps() const {
        const QStringList& ops = surface.pic.ops;
        for (qsizetype i = 0; i < ops.size(); ++i)
            if (ops[i].contains(QStringLiteral("(総計：")))
                return ops.mid(i + 1);
        return {};
    }
};
