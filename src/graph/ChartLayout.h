#pragma once

#include "data/Result.h"
#include "graph/Canvas.h"
#include "graph/ChartOptions.h"
#include "graph/GraphSize.h"

#include <QRectF>
#include <QRgb>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class DataTable;
struct TableContents;

// Where everything of a quantity-rate chart goes, computed once from the dataset, the boxes'
// texts and the plot area: the chart draws it, and tooltips, hit tests, the keyboard highlight
// and screen readers read it. All positions are in twips, with the 32-bit float values that the
// drawing hands to the canvas.

// The plot area: 16-bit integers, as the chart arithmetic uses them. A size option sets its
// height, which the next chart keeps unless it re-applies the standard size.
struct PlotGeometry {
    std::int16_t left = 1550;
    std::int16_t top = 700;
    std::int16_t width = 5000;
    std::int16_t height = 5000;

    // B, the bottom edge of the plot area.
    std::int16_t bottom() const { return static_cast<std::int16_t>(top + height); }
};

// Slots of the colour table besides the twelve column colours (slots 1 to 12).
inline constexpr int BlackSlot = 13;
inline constexpr int WhiteSlot = 14;
inline constexpr int GreySlot = 16;
QRgb tableColour(int slot);

enum class ChartKind { Colour, Pattern };

// How wide a text is on the canvas when written from x, in twips. It is measured only as far as
// the canvas's right edge, past which nothing of it shows, so that a very long text costs no more
// than a short one: the width of a longer text ends at that edge.
struct TextMetrics {
    std::function<double(const QString& text, double x)> width;
    double lineHeight = 0;
    // The same measures in the font of another size (in twips), for texts that shrink to fit.
    std::function<TextMetrics(int size)> sized;
};

// A line or a box by its corners, in the order the canvas receives them.
struct Corners {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;

    // The area covered, corners in order.
    QRectF rect() const { return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(); }
};

// A text with its top-left corner where the chart writes it, and the box it covers (empty for
// no text).
struct PlacedText {
    QString text;
    float x = 0;
    float y = 0;
    QRectF box;
};

// How a box of a column is filled: in the colour chart solid in the column's colour; in the
// black-and-white chart with the column's pattern, whose fill colour is set only where the
// scheme names one (otherwise the colour set before stays in force).
struct Fill {
    std::optional<QRgb> colour;
    FillStyle style = FillStyle::Solid;
};

struct ScaleLayout {
    std::array<Corners, 11> ticks; // 0 % to 100 %, left to right
    Corners axis;
    PlacedText percentSign;
    std::array<PlacedText, 3> numbers; // "0", "50", "100"
};

// Everything around the bars, in the order it is drawn: scale, title and its rule, legend (see
// ChartLayout::keys), unit, source, note, author.
struct FrameLayout {
    ScaleLayout scale;
    PlacedText title;
    Corners rule;
    PlacedText unit;
    PlacedText source;
    PlacedText note;
    PlacedText authorCaption;
    PlacedText author;
};

struct KeyLayout {
    int column = 0;
    Corners swatch;
    Fill fill;
    PlacedText label; // the column's label

    // The key and its label's text.
    QRectF box() const { return swatch.rect().united(label.box); }
};

// A number written in a segment where it fits: centred, black or white, whichever shows more on
// the fill; on a pattern it lies on a white backing. With both the value and the share it is
// "1,234 (45%)" on one line, or the value over "(45%)" in `second`, or the one that fits.
struct SegmentFigure {
    PlacedText text;
    PlacedText second;
    QRgb colour = 0;
    std::optional<Corners> backing;
};

struct SegmentLayout {
    int column = 0;
    double value = 0;
    double rowShare = 0;   // of the row's total
    double totalShare = 0; // of the grand total
    // From the end of the segment before to the end of this one: a negative value runs back.
    Corners box;
    Fill fill;
    std::optional<SegmentFigure> figure; // with the values or shares shown
};

// What the chart was asked to show and does not: a row whose total is 0, which has no bar, or a
// text of a bar that the column left of the plot had no room for (the bar's tooltip gives it).
struct ChartNote {
    enum class Kind { ZeroTotal, LabelShortened, TotalLeftOut, LabelLeftOut };
    Kind kind = Kind::ZeroTotal;
    int row = 0;
    QString label; // the row's label as typed
    bool operator==(const ChartNote&) const = default;
};

struct BarLayout {
    int row = 0;
    float total = 0;
    double share = 0; // of the grand total
    // The vertical extent as drawn, within the plot area; a negative total puts the bottom above
    // the top.
    float top = 0;
    float bottom = 0;
    QRectF band;  // across the plot area
    QString name; // the row's label as typed
    // The row's label, left of the plot area level with the bar's top; where it would collide
    // with another or leave its room, moved and joined to the bar by a leader (see fitLabelColumn).
    PlacedText label;
    PlacedText totalText;  // under the label, with the totals shown
    PlacedText totalShare; // under the total where it breaks onto a second line
    std::optional<Corners> leader;
    std::vector<SegmentLayout> segments; // columns 1 to 12, in drawing order
};

// The arithmetic that stopped the chart: the totals (row 0) or the bar of a row, with the
// numbered error the user is told. The chart is drawn as far as the layout goes.
struct LayoutFailure {
    Failure failure;
    int row = 0;
};

struct ChartLayout {
    ChartKind kind = ChartKind::Colour;
    ChartOptions options;
    PlotGeometry plot;
    QString unit; // as typed, for the texts that name it
    FrameLayout frame;
    std::vector<KeyLayout> keys; // columns 1 to 12
    float grandTotal = 0;
    QString grandTotalFigure; // the grand total as the chart writes it
    PlacedText grandTotalText;
    // The rows that have a bar (a non-zero total), in stacking order from the top: the rows'
    // order unless the options sort them.
    std::vector<BarLayout> bars;
    int labelFontSize = CanvasFontSize; // of the labels and totals, which shrink to fit
    std::vector<ChartNote> notes;
    std::optional<LayoutFailure> failure;

    const QString& columnLabel(int column) const { return keys.at(column - 1).label.text; }
};

// Row totals are summed in 64 bits and rounded once, the grand total is rounded after every
// addition; widths, ends and heights are rounded to 32 bits as they are stored. A total, width or
// height beyond the 32-bit range is an overflow, a zero grand total under a non-zero row total a
// division by zero: the layout then ends there, with its failure. Segments and bars are cut to
// the plot area. Row labels stay above the first caption under the plot and `canvasHeight`, the
// canvas's bottom.
ChartLayout layoutChart(ChartKind kind, const DataTable& table, const TableContents& boxes,
                        const PlotGeometry& plot, const TextMetrics& metrics,
                        const ChartOptions& options = {},
                        int canvasHeight = heightsOf(GraphSize::Standard).canvasHeight);
