#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

struct ChartState;
class DataTable;
class EntryBoxes;

// What a chart command drew, kept beside the picture so that the chart can be read and not only
// seen: each bar with its row, label, total and band, each segment with its value, its shares and
// its box, the legend keys, the unit and the grand total. Boxes are in twips, corners in order.

struct SegmentReading {
    int column = 0;
    QString label; // the column's label
    double value = 0;
    double rowShare = 0;   // of the row's total
    double totalShare = 0; // of the grand total
    QRectF box;
};

struct BarReading {
    int row = 0;
    QString label;
    double total = 0;
    double share = 0; // of the grand total
    QRectF band;
    QRectF labelBox;                      // where the label's text lies; empty for an empty label
    std::vector<SegmentReading> segments; // columns 1 to 12, in the order they were drawn
};

struct KeyReading {
    int column = 0;
    QString label;
    QRectF box; // the key and its label's text
};

// A thing of the chart that can be pointed at: a segment (bar and segment index), a bar's label
// (bar index) or a legend key (key index).
struct ChartPlace {
    enum class Kind { Segment, Label, Key };
    Kind kind = Kind::Segment;
    int bar = 0;
    int item = 0;
    bool operator==(const ChartPlace&) const = default;
};

struct ChartReading {
    QString title;
    QString unit;
    QString grandTotal; // as the chart writes it
    double grandTotalValue = 0;
    std::vector<BarReading> bars; // the rows that have a bar, top to bottom
    std::vector<KeyReading> keys;

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
};

// Reads back what the chart command just drew onto the canvas from its state, the dataset and
// the boxes, with the geometry the drawing used.
ChartReading readChart(const ChartState& state, const DataTable& table, const EntryBoxes& boxes);
