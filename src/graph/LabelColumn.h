#pragma once

#include "graph/ChartLayout.h"

#include <QString>

#include <vector>

// The row labels and their totals in the column left of the plot, fitted into their room so that
// none prints over another, over the plot or over the captions under it.

// The texts of one bar, in the stacking order of the bars.
struct LabelEntry {
    float anchor = 0;     // the bar's top, where its texts lie unless they must move
    float middle = 0;     // the middle of the bar's left edge, where a leader ends
    double thickness = 0; // the thinnest bars give way first
    QString label;
    QString total; // the total's value, empty without totals
    QString share; // the total's share of the grand total, as a percent
};

// The room of the texts: from `left` to the plot's left edge, from the plot's top to the first
// caption under the plot.
struct LabelRoom {
    float left = 0;
    float plotLeft = 0;
    float top = 0;
    float bottom = 0;
};

// Where a bar's texts go: its label, its total ("1,234 (5%)" on one line, or the value and
// "(5%)" on two, the second in `share`) and, for a moved block, a leader to its bar.
struct LabelPlacement {
    PlacedText label;
    PlacedText total;
    PlacedText share;
    std::optional<Corners> leader;
    bool labelShortened = false;
    bool labelLeftOut = false;
    bool totalLeftOut = false;
};

struct LabelColumnLayout {
    int fontSize = CanvasFontSize;
    std::vector<LabelPlacement> bars;
};

// Fits the blocks: each lies level with its bar's top, moved apart where they would collide or
// leave the room. Where they cannot all stand at the canvas's font, a total too wide for the
// column breaks onto a second line, then the font of the whole column shrinks step by step down
// to 6 points, and what still cannot stand is left out: the totals of the thinnest bars first,
// then their labels. A text that is wider than the column even at 6 points is shortened with an
// ellipsis at the size chosen.
LabelColumnLayout fitLabelColumn(const std::vector<LabelEntry>& entries, const LabelRoom& room,
                                 const TextMetrics& metrics, bool totals);
