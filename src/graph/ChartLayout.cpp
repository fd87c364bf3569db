#include "graph/ChartLayout.h"

#include "data/RuntimeError.h"

#include "data/DataTable.h"
#include "data/NumberFormat.h"
#include "data/TableContents.h"
#include "graph/CanvasText.h"
#include "graph/LabelColumn.h"
#include "graph/Palettes.h"
#include "graph/PatternScheme.h"
#include "graph/TextContrast.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

// Offsets of the chart's parts from the plot area, in twips.
constexpr int MarginLeftOfPlot = 1300; // row labels, title, source, note and author
constexpr int TitleAbove = 500;
constexpr int RuleAbove = 300;
constexpr int TotalsAbove = 200; // the unit and the grand total
constexpr int UnitLeftOfRight = 1200;
constexpr int TickTopBelow = 220;
constexpr int AxisBelow = 300;
constexpr int NumbersBelow = 320;
constexpr int PercentSignBelow = 500;
constexpr int PercentSignLeftOfRight = 100;
constexpr int FiftyLeftOfTick = 80;
constexpr int HundredLeftOfTick = 200;
constexpr int LegendBelow = 700; // also the author's caption
constexpr int AuthorBelow = 900;
constexpr int SourceBelow = 1300;
constexpr int NoteBelow = 1500;
constexpr int KeysPerLine = 4;
constexpr int KeySpacing = 1250;
constexpr int KeyLineSpacing = 200;
constexpr int KeyWidth = 100;
constexpr int KeyHeight = 150;
constexpr int KeyLabelOffset = 150;
constexpr int FigureMargin = 30;    // 2 pixels: a segment's number shows only with this room around
constexpr int BackingMargin = 15;   // the white under a number on a pattern, around its text
constexpr double RoundingSlack = 1; // how far a computed end may pass the plot area's edge

constexpr std::array<QRgb, 17> ColourTable = {
    0,
    qRgb(0xFF, 0x00, 0x00), // light red
    qRgb(0xFF, 0xFF, 0x00), // light yellow
    qRgb(0x00, 0xFF, 0x00), // light green
    qRgb(0x00, 0x00, 0xFF), // light blue
    qRgb(0x00, 0xFF, 0xFF), // light cyan
    qRgb(0xFF, 0x00, 0xFF), // light magenta
    qRgb(0xC0, 0xC0, 0xC0), // white
    qRgb(0x80, 0x80, 0x00), // yellow
    qRgb(0x00, 0x80, 0x00), // green
    qRgb(0x80, 0x00, 0x80), // magenta
    qRgb(0x00, 0x80, 0x80), // cyan
    qRgb(0x80, 0x00, 0x00), // red
    qRgb(0x00, 0x00, 0x00), // black
    qRgb(0xFF, 0xFF, 0xFF), // bright white
    0,                      // not used
    qRgb(0x80, 0x80, 0x80), // grey
};

Fill fillOf(ChartKind kind, int column, const ChartOptions& options) {
    if (kind == ChartKind::Colour)
        return {columnColour(options, column), FillStyle::Solid};
    const Pattern pattern = patternOf(column);
    return {pattern.fillColorSlot != 0 ? std::optional(tableColour(pattern.fillColorSlot))
                                       : std::nullopt,
            pattern.style};
}

class Layouter {
public:
    Layouter(ChartKind kind, const DataTable& table, const TableContents& boxes,
             const PlotGeometry& plot, const TextMetrics& metrics, const ChartOptions& options,
             int canvasHeight)
        : table_(table)
        , boxes_(boxes)
        , metrics_(metrics)
        , canvasHeight_(canvasHeight) {
        layout_.kind = kind;
        layout_.options = options;
        layout_.plot = plot;
        layout_.unit = boxes.description(Description::Unit);
    }

    ChartLayout take() {
        frame();
        try {
            totals();
        } catch (const RuntimeError& error) {
            layout_.failure = failed(error, 0);
            return std::move(layout_);
        }
        double top = layout_.plot.top;
        for (int n : rowOrder()) {
            try {
                bar(n, top);
            } catch (const RuntimeError& error) {
                layout_.failure = failed(error, n);
                break;
            }
        }
        spreadRowLabels();
        return std::move(layout_);
    }

private:
    static LayoutFailure failed(const RuntimeError& error, int row) {
        return {{Action::DrawChart, {}, error.message()}, row};
    }

    // The text as the canvas will draw it.
    PlacedText place(float x, float y, const QString& text) const {
        PlacedText placed{canvasText(text), x, y, {}};
        if (!placed.text.isEmpty())
            placed.box = QRectF(x, y, metrics_.width(placed.text, x), metrics_.lineHeight);
        return placed;
    }

    void frame() {
        const PlotGeometry& plot = layout_.plot;
        const int b = plot.bottom();
        const int margin = plot.left - MarginLeftOfPlot;
        const int right = plot.left + plot.width;
        FrameLayout& frame = layout_.frame;

        ScaleLayout& scale = frame.scale;
        const auto tickX = [&plot](int i) {
            return static_cast<float>(plot.width / 10.0 * i + plot.left);
        };
        for (int i = 0; i <= 10; ++i)
            scale.ticks[i] = {tickX(i), float(b + TickTopBelow), tickX(i), float(b + AxisBelow)};
        scale.axis = {float(plot.left), float(b + AxisBelow), float(right), float(b + AxisBelow)};
        scale.percentSign = place(float(right - PercentSignLeftOfRight),
                                  float(b + PercentSignBelow), QStringLiteral("%"));
        scale.numbers = {
            place(plot.left, float(b + NumbersBelow), QStringLiteral("0")),
            place(tickX(5) - FiftyLeftOfTick, float(b + NumbersBelow), QStringLiteral("50")),
            place(tickX(10) - HundredLeftOfTick, float(b + NumbersBelow), QStringLiteral("100")),
        };

        frame.title =
            place(margin, float(plot.top - TitleAbove), boxes_.description(Description::Title));
        frame.rule = {float(margin), float(plot.top - RuleAbove), float(right),
                      float(plot.top - RuleAbove)};

        for (int k = 1; k <= DataTable::DataColumns; ++k) {
            const int x = plot.left + KeySpacing * ((k - 1) % KeysPerLine);
            const int y = b + LegendBelow + KeyLineSpacing * ((k - 1) / KeysPerLine);
            layout_.keys.push_back(
                {k,
                 {float(x), float(y), float(x + KeyWidth), float(y + KeyHeight)},
                 fillOf(layout_.kind, k, layout_.options),
                 place(float(x + KeyLabelOffset), float(y), boxes_.columnLabel(k))});
        }

        frame.unit = place(float(right - UnitLeftOfRight), float(plot.top - TotalsAbove),
                           QStringLiteral("(単位：%1)").arg(layout_.unit));
        frame.source = place(margin, float(b + SourceBelow),
                             QStringLiteral("出典：") + boxes_.description(Description::Source));
        frame.note = place(margin, float(b + NoteBelow),
                           QStringLiteral("注：") + boxes_.description(Description::Note));
        frame.authorCaption = place(margin, float(b + LegendBelow), QStringLiteral("作成者："));
        frame.author =
            place(margin, float(b + AuthorBelow),
                  QLatin1Char('[') + boxes_.description(Description::Author) + QLatin1Char(']'));
    }

    void totals() {
        for (int r = 1; r <= DataTable::DataRows; ++r) {
            double sum = 0;
            for (int c = 1; c <= DataTable::DataColumns; ++c)
                sum += table_.number(r, c);
            rowTotals_[r] = toSingle(sum);
        }
        float grandTotal = 0;
        for (int i = 1; i <= DataTable::DataRows; ++i)
            for (int j = 1; j <= DataTable::DataColumns; ++j)
                grandTotal = toSingle(table_.number(i, j) + grandTotal);

        layout_.grandTotal = grandTotal;
        layout_.grandTotalFigure = grandTotalText(grandTotal);
        layout_.grandTotalText = place(layout_.plot.left, float(layout_.plot.top - TotalsAbove),
                                       QStringLiteral("(総計：") + layout_.grandTotalFigure +
                                           layout_.unit + QLatin1Char(')'));
    }

    // The rows in the order their bars are stacked; ties keep the rows' order.
    std::vector<int> rowOrder() const {
        std::vector<int> rows(DataTable::DataRows);
        std::iota(rows.begin(), rows.end(), 1);
        const ChartOptions& options = layout_.options;
        if (options.order == BarOrder::Input)
            return rows;
        const int column = std::clamp(options.sortColumn, 1, int(DataTable::DataColumns));
        const auto key = [&](int n) {
            const double rowTotal = rowTotals_[n];
            const double k =
                options.order == BarOrder::Total ? rowTotal : table_.number(n, column) / rowTotal;
            return std::isnan(k) ? -std::numeric_limits<double>::infinity() : k;
        };
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return key(a) > key(b); });
        return rows;
    }

    // The texts a segment's number may take, in the order they are preferred.
    std::vector<QStringList> figureForms(const SegmentLayout& segment) const {
        const ChartOptions& options = layout_.options;
        const QString value = groupedNumber(segment.value);
        const QString share = percentText(segment.rowShare);
        if (options.values && options.percent)
            return {{QStringLiteral("%1 (%2)").arg(value, share)},
                    {value, QStringLiteral("(%1)").arg(share)},
                    {value},
                    {share}};
        if (options.values)
            return {{value}};
        if (options.percent)
            return {{share}};
        return {};
    }

    // The value or share written in the segment, in the first form that fits with its margin all
    // round and stays clear of the numbers already written in the bar (negative values overlap).
    std::optional<SegmentFigure> figureIn(const SegmentLayout& segment,
                                          const std::vector<SegmentLayout>& before) const {
        const QRectF box = segment.box.rect();
        const double line = metrics_.lineHeight;
        for (const QStringList& lines : figureForms(segment)) {
            double width = 0;
            for (const QString& text : lines)
                width = std::max(width, metrics_.width(text, box.left()));
            const double height = line * lines.size();
            if (width + 2 * FigureMargin > box.width() || height + 2 * FigureMargin > box.height())
                continue;
            SegmentFigure figure;
            const double top = box.center().y() - height / 2;
            const auto centred = [&](const QString& text, double y) {
                return place(
                    static_cast<float>(box.center().x() - metrics_.width(text, box.left()) / 2),
                    static_cast<float>(y), text);
            };
            figure.text = centred(lines[0], top);
            if (lines.size() > 1)
                figure.second = centred(lines[1], top + line);
            const QRectF covered = figure.text.box.united(figure.second.box);
            if (std::any_of(before.begin(), before.end(), [&](const SegmentLayout& other) {
                    return other.figure && other.figure->text.box.united(other.figure->second.box)
                                               .intersects(covered);
                }))
                return std::nullopt;
            if (layout_.kind == ChartKind::Colour) {
                figure.colour = textColourOn(segment.fill.colour.value_or(tableColour(BlackSlot)));
            } else {
                figure.colour = tableColour(BlackSlot);
                const QRectF back =
                    covered.adjusted(-BackingMargin, -BackingMargin, BackingMargin, BackingMargin);
                figure.backing = Corners{float(back.left()), float(back.top()), float(back.right()),
                                         float(back.bottom())};
            }
            return figure;
        }
        return std::nullopt;
    }

    // Fits the labels and totals into the column left of the plot.
    void spreadRowLabels() {
        const PlotGeometry& plot = layout_.plot;
        std::vector<LabelEntry> entries;
        for (const BarLayout& bar : layout_.bars) {
            LabelEntry entry{bar.top,
                             (bar.top + bar.bottom) / 2,
                             std::abs(bar.bottom - bar.top),
                             bar.label.text,
                             {},
                             {}};
            if (layout_.options.totals) {
                // The total as a 32-bit float holds it, not the binary tail its 64-bit form shows.
                entry.total = groupedNumber(generalNumber(bar.total, SingleDigits).toDouble());
                entry.share = percentText(bar.share);
            }
            entries.push_back(entry);
        }
        const LabelRoom room{float(plot.left - MarginLeftOfPlot), float(plot.left), float(plot.top),
                             float(std::min(plot.bottom() + LegendBelow, canvasHeight_))};
        LabelColumnLayout column = fitLabelColumn(entries, room, metrics_, layout_.options.totals);
        layout_.labelFontSize = column.fontSize;
        for (std::size_t i = 0; i < column.bars.size(); ++i) {
            BarLayout& bar = layout_.bars[i];
            LabelPlacement& placed = column.bars[i];
            bar.label = std::move(placed.label);
            bar.totalText = std::move(placed.total);
            bar.totalShare = std::move(placed.share);
            bar.leader = placed.leader;
            const auto note = [&](bool noted, ChartNote::Kind kind) {
                if (noted)
                    layout_.notes.push_back({kind, bar.row, bar.name});
            };
            note(placed.labelShortened, ChartNote::Kind::LabelShortened);
            note(placed.totalLeftOut, ChartNote::Kind::TotalLeftOut);
            note(placed.labelLeftOut, ChartNote::Kind::LabelLeftOut);
        }
    }

    // Lays out the bar of row n below the bars above, whose heights `top` has summed; an empty
    // row (total exactly 0) has no bar and no height.
    void bar(int n, double& top) {
        const PlotGeometry& plot = layout_.plot;
        const double rowTotal = rowTotals_[n];
        if (rowTotal == 0) {
            // A labelled row, or values that cancel out, is told; an unused row is not.
            bool asked = !boxes_.rowLabel(n).trimmed().isEmpty();
            for (int c = 1; c <= DataTable::DataColumns; ++c)
                asked = asked || table_.number(n, c) != 0;
            if (asked)
                layout_.notes.push_back({ChartNote::Kind::ZeroTotal, n, boxes_.rowLabel(n)});
            return;
        }

        std::array<float, DataTable::DataColumns + 1> widths{};
        for (int c = 1; c <= DataTable::DataColumns; ++c)
            widths[c] = toSingle(table_.number(n, c) / rowTotal * plot.width);
        // Each end sums the widths up to it in 64 bits and is stored rounded.
        std::array<float, DataTable::DataColumns + 1> ends{};
        double end = 0;
        for (int c = 1; c <= DataTable::DataColumns; ++c) {
            end += widths[c];
            ends[c] = toSingle(end);
        }

        const float grandTotal = layout_.grandTotal;
        if (grandTotal == 0)
            throw RuntimeError::divisionByZero();
        const float height = toSingle(rowTotal / grandTotal * plot.height);

        // Negative values reach outside the plot area, which cuts them; an end that rounding puts
        // a hair past an edge stays as computed.
        const auto within = [](double at, double low, double high) {
            if (at < low - RoundingSlack)
                at = low;
            else if (at > high + RoundingSlack)
                at = high;
            return static_cast<float>(at);
        };
        BarLayout bar;
        bar.row = n;
        bar.total = rowTotals_[n];
        bar.share = bar.total / double(grandTotal);
        bar.top = within(top, plot.top, plot.bottom());
        bar.bottom = within(top + height, plot.top, plot.bottom());
        top += height;
        bar.band =
            Corners{float(plot.left), bar.top, float(plot.left + plot.width), bar.bottom}.rect();
        bar.name = boxes_.rowLabel(n);
        bar.label = place(float(plot.left - MarginLeftOfPlot), bar.top, bar.name);

        const auto x = [&](int c) {
            return within(plot.left + (c == 0 ? 0.0 : double(ends[c])), plot.left,
                          plot.left + plot.width);
        };
        for (int c = 1; c <= DataTable::DataColumns; ++c) {
            const double value = table_.number(n, c);
            bar.segments.push_back({c, value, value / bar.total, value / grandTotal,
                                    Corners{x(c - 1), bar.top, x(c), bar.bottom},
                                    fillOf(layout_.kind, c, layout_.options), std::nullopt});
            bar.segments.back().figure = figureIn(bar.segments.back(), bar.segments);
        }
        layout_.bars.push_back(std::move(bar));
    }

    const DataTable& table_;
    const TableContents& boxes_;
    const TextMetrics& metrics_;
    const int canvasHeight_;
    ChartLayout layout_;
    std::array<float, DataTable::DataRows + 1> rowTotals_{};
};

} // namespace

QRgb tableColour(int slot) {
    return ColourTable.at(static_cast<std::size_t>(slot));
}

ChartLayout layoutChart(ChartKind kind, const DataTable& table, const TableContents& boxes,
                        const PlotGeometry& plot, const TextMetrics& metrics,
                        const ChartOptions& options, int canvasHeight) {
    return Layouter(kind, table, boxes, plot, metrics, options, canvasHeight).take();
}
