#include "graph/ChartReading.h"

#include "data/DataTable.h"
#include "data/EntryBoxes.h"
#include "data/NumberFormat.h"
#include "graph/BarGeometry.h"
#include "graph/ChartState.h"
#include "graph/Fonts.h"
#include "graph/Twips.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString percent(double share) {
    return QString::number(share * 100, 'f', 1) + QStringLiteral(" %");
}

QString rowName(const BarReading& bar) {
    return bar.label.isEmpty() ? QStringLiteral("%1行").arg(bar.row) : bar.label;
}

QString columnName(int column, const QString& label) {
    return label.isEmpty() ? QStringLiteral("%1列").arg(QChar(u'A' + column - 1)) : label;
}

// The box a text written at (x, y) covers, in twips.
QRectF textBox(const QFontMetrics& metrics, double x, double y, const QString& text) {
    if (text.isEmpty())
        return {};
    return {x, y, double(metrics.horizontalAdvance(text) * TwipsPerPixel),
            double(metrics.height() * TwipsPerPixel)};
}

// Whether the point lies on the box: within it, edges included, or, across a side thinner than
// the pointer, within `slack` of it.
bool reaches(const QRectF& box, QPointF p, double slack) {
    const auto along = [slack](double low, double high, double at) {
        return high - low < 2 * slack ? at >= low - slack && at <= high + slack
                                      : at >= low && at <= high;
    };
    return along(box.left(), box.right(), p.x()) && along(box.top(), box.bottom(), p.y());
}

bool thin(const QRectF& box, double slack) {
    return box.width() < 2 * slack || box.height() < 2 * slack;
}

std::vector<int> valuedSegments(const BarReading& bar) {
    std::vector<int> indexes;
    for (std::size_t i = 0; i < bar.segments.size(); ++i)
        if (bar.segments[i].value != 0)
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

} // namespace

ChartReading readChart(const ChartState& state, const DataTable& table, const EntryBoxes& boxes) {
    const QFontMetrics metrics(chartFont());
    const PlotGeometry& plot = state.plot;
    ChartReading reading;
    reading.title = boxes.description(Description::Title);
    reading.unit = boxes.description(Description::Unit);
    reading.grandTotal = grandTotalText(state.grandTotal);
    reading.grandTotalValue = state.grandTotal;

    for (int k = 1; k <= DataTable::DataColumns; ++k) {
        const double x = plot.left + 1250 * ((k - 1) % 4);
        const double y = plot.bottom() + 700 + 200 * ((k - 1) / 4);
        const QString label = boxes.columnLabel(k);
        reading.keys.push_back(
            {k, label, QRectF(x, y, 100, 150).united(textBox(metrics, x + 150, y, label))});
    }

    double top = plot.top;
    for (int n = 1; n <= DataTable::DataRows; ++n) {
        // The bar lies where the bar routine put it: below the bars above, as tall as its height.
        const auto barTop = static_cast<float>(top);
        top += state.barHeight[n];
        if (state.rowTotal[n] == 0)
            continue;
        const auto barBottom = static_cast<float>(barTop + double(state.barHeight[n]));
        BarReading bar;
        bar.row = n;
        bar.label = boxes.rowLabel(n);
        bar.total = state.rowTotal[n];
        bar.share = bar.total / state.grandTotal;
        bar.band = QRectF(QPointF(plot.left, barTop), QPointF(plot.left + plot.width, barBottom))
                       .normalized();
        bar.labelBox = textBox(metrics, plot.left - 1300, barTop, bar.label);
        for (int c = 1; c <= DataTable::DataColumns; ++c) {
            const double value = table.number(n, c);
            bar.segments.push_back({c, boxes.columnLabel(c), value, value / bar.total,
                                    value / state.grandTotal,
                                    QRectF(QPointF(segmentX(state, n, c - 1), barTop),
                                           QPointF(segmentX(state, n, c), barBottom))
                                        .normalized()});
        }
        reading.bars.push_back(std::move(bar));
    }
    return reading;
}

std::optional<ChartPlace> ChartReading::placeAt(QPointF twips, double slack) const {
    // Everything that answers, in the order it was drawn: the legend, then bar by bar its
    // segments and its label.
    std::vector<ChartPlace> drawn;
    for (std::size_t k = 0; k < keys.size(); ++k)
        drawn.push_back({ChartPlace::Kind::Key, 0, static_cast<int>(k)});
    for (std::size_t b = 0; b < bars.size(); ++b) {
        for (std::size_t s = 0; s < bars[b].segments.size(); ++s)
            drawn.push_back({ChartPlace::Kind::Segment, static_cast<int>(b), static_cast<int>(s)});
        if (!bars[b].labelBox.isEmpty())
            drawn.push_back({ChartPlace::Kind::Label, static_cast<int>(b), 0});
    }
    for (bool thinOnly : {true, false})
        for (auto place = drawn.rbegin(); place != drawn.rend(); ++place) {
            const QRectF area = box(*place);
            if ((!thinOnly || thin(area, slack)) && reaches(area, twips, slack))
                return *place;
        }
    return std::nullopt;
}

QRectF ChartReading::box(const ChartPlace& place) const {
    switch (place.kind) {
    case ChartPlace::Kind::Segment:
        return bars.at(place.bar).segments.at(place.item).box;
    case ChartPlace::Kind::Label:
        return bars.at(place.bar).labelBox;
    case ChartPlace::Kind::Key:
        return keys.at(place.item).box;
    }
    return {};
}

QString ChartReading::tooltip(const ChartPlace& place) const {
    const QString unitText = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    switch (place.kind) {
    case ChartPlace::Kind::Segment: {
        const BarReading& bar = bars.at(place.bar);
        const SegmentReading& segment = bar.segments.at(place.item);
        return QStringLiteral("%1 ・ %2: %3%4 (行の %5・全体の %6)")
            .arg(rowName(bar), columnName(segment.column, segment.label),
                 generalNumber(segment.value), unitText, percent(segment.rowShare),
                 percent(segment.totalShare));
    }
    case ChartPlace::Kind::Label: {
        const BarReading& bar = bars.at(place.bar);
        return QStringLiteral("%1: 計 %2%3 (全体の %4)")
            .arg(rowName(bar), generalNumber(bar.total, SingleDigits), unitText,
                 percent(bar.share));
    }
    case ChartPlace::Kind::Key: {
        const KeyReading& key = keys.at(place.item);
        return columnName(key.column, key.label);
    }
    }
    return {};
}

QString ChartReading::summary() const {
    const QString unitText = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    QString text = QStringLiteral("総計 %1%2。").arg(grandTotal, unitText);
    for (std::size_t b = 0; b < bars.size(); ++b) {
        const BarReading& bar = bars[b];
        text += QStringLiteral("%1: 計 %2%3、全体の %4。")
                    .arg(rowName(bar), generalNumber(bar.total, SingleDigits), unitText,
                         percent(bar.share));
        QStringList parts;
        for (int s : valuedSegments(bar))
            parts << columnName(bar.segments[s].column, bar.segments[s].label) + QLatin1Char(' ') +
                         percent(bar.segments[s].rowShare);
        if (!parts.isEmpty())
            text +=
                QStringLiteral("内訳 ") + parts.join(QStringLiteral("、")) + QStringLiteral("。");
    }
    return text;
}

std::optional<ChartPlace> ChartReading::firstSegment() const {
    for (std::size_t b = 0; b < bars.size(); ++b)
        if (const std::vector<int> valued = valuedSegments(bars[b]); !valued.empty())
            return ChartPlace{ChartPlace::Kind::Segment, static_cast<int>(b), valued.front()};
    return std::nullopt;
}

std::optional<ChartPlace> ChartReading::step(const ChartPlace& from, int dx, int dy) const {
    if (from.kind != ChartPlace::Kind::Segment)
        return firstSegment();
    if (dx != 0) {
        const std::vector<int> valued = valuedSegments(bars.at(from.bar));
        const auto at = std::find(valued.begin(), valued.end(), from.item) - valued.begin();
        const auto to = at + (dx > 0 ? 1 : -1);
        if (to < 0 || to >= std::ssize(valued))
            return std::nullopt;
        return ChartPlace{ChartPlace::Kind::Segment, from.bar, valued[to]};
    }
    for (int b = from.bar + (dy > 0 ? 1 : -1); b >= 0 && b<std::ssize(bars); b += dy> 0 ? 1 : -1) {
        const std::vector<int> valued = valuedSegments(bars[b]);
        if (valued.empty())
            continue;
        // The same column where it has a value, else the nearest one.
        const int nearest = *std::min_element(valued.begin(), valued.end(), [&](int a, int c) {
            return std::abs(a - from.item) < std::abs(c - from.item);
        });
        return ChartPlace{ChartPlace::Kind::Segment, b, nearest};
    }
    return std::nullopt;
}
