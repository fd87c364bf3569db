#pragma once

#include "graph/ChartLayout.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// A thing of the chart that can be pointed at: a segment (bar and segment index), a bar's label and
// total (bar index) or a legend key (key index).
struct ChartPlace {
    enum class Kind { Segment, Label, Key };
    Kind kind = Kind::Segment;
    int bar = 0;
    int item = 0;
    bool operator==(const ChartPlace&) const = default;
};

// A chart drawn whole, read and not only seen: its layout with what a pointer, the keyboard and
// a screen reader ask of it. Bars, segments and keys are numbered as in the layout.
class ChartReading {
public:
    explicit ChartReading(ChartLayout layout)
        : layout_(std::move(layout)) {}

    const ChartLayout& layout() const { return layout_; }
    const QString& title() const { return layout_.frame.title.text; }
    // What the chart is called: its title, or for an untitled chart what it is, as its SVG says.
    QString name() const;

    // What the point lies on as the picture shows it, the thing drawn last where several
    // overlap. `slack` is half the pointer's size: a segment or bar thinner than the pointer
    // answers within it, before the thicker ones around it, as its outline shows there.
    std::optional<ChartPlace> placeAt(QPointF twips, double slack) const;
    QRectF box(const ChartPlace& place) const;
    QString tooltip(const ChartPlace& place) const;
    // The chart in words: the grand total, then each bar with its total, share and the shares
    // of its segments in order.
    QString summary() const;

    // Moving a highlight among the segments that have a value: the first one, and the next one
    // left or right in the bar (dx) or in the bar above or below (dy); nothing at the ends.
    std::optional<ChartPlace> firstSegment() const;
    std::optional<ChartPlace> step(const ChartPlace& from, int dx, int dy) const;
    // The segment of the row's bar in the column, where it has a value: the same thing in
    // another drawing of the table.
    std::optional<ChartPlace> segmentOf(int row, int column) const;
    // Every thing a screen reader visits, in reading order: bar by bar its label and its segments
    // that have a value, then the legend's keys.
    std::vector<ChartPlace> places() const;

private:
    ChartLayout layout_;
};
