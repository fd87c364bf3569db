#include "graph/ChartReading.h"

#include "data/NumberFormat.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString rowName(const BarLayout& bar) {
    return bar.name.isEmpty() ? QStringLiteral("%1行").arg(bar.row) : bar.name;
}

QString columnName(int column, const QString& label) {
    return label.isEmpty() ? QStringLiteral("%1列").arg(QChar(u'A' + column - 1)) : label;
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

std::vector<int> valuedSegments(const BarLayout& bar) {
    std::vector<int> indexes;
    for (std::size_t i = 0; i < bar.segments.size(); ++i)
        if (bar.segments[i].value != 0)
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

} // namespace

QString ChartReading::name() const {
    return title().trimmed().isEmpty() ? QStringLiteral("量率グラフ") : title();
}

std::optional<ChartPlace> ChartReading::placeAt(QPointF twips, double slack) const {
    // Everything that answers, in the order it was drawn: the legend, then bar by bar its
    // segments and its label.
    std::vector<ChartPlace> drawn;
    for (std::size_t k = 0; k < layout_.keys.size(); ++k)
        drawn.push_back({ChartPlace::Kind::Key, 0, static_cast<int>(k)});
    for (std::size_t b = 0; b < layout_.bars.size(); ++b) {
        const BarLayout& bar = layout_.bars[b];
        for (std::size_t s = 0; s < bar.segments.size(); ++s)
            drawn.push_back({ChartPlace::Kind::Segment, static_cast<int>(b), static_cast<int>(s)});
        if (!box({ChartPlace::Kind::Label, static_cast<int>(b), 0}).isEmpty())
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
        return layout_.bars.at(place.bar).segments.at(place.item).box.rect();
    case ChartPlace::Kind::Label: {
        const BarLayout& bar = layout_.bars.at(place.bar);
        return bar.label.box.united(bar.totalText.box).united(bar.totalShare.box);
    }
    case ChartPlace::Kind::Key:
        return layout_.keys.at(place.item).box();
    }
    return {};
}

QString ChartReading::tooltip(const ChartPlace& place) const {
    const QString unitText = layout_.unit.isEmpty() ? QString() : QLatin1Char(' ') + layout_.unit;
    switch (place.kind) {
    case ChartPlace::Kind::Segment: {
        const BarLayout& bar = layout_.bars.at(place.bar);
        const SegmentLayout& segment = bar.segments.at(place.item);
        return QStringLiteral("%1 ・ %2: %3%4 (行の %5・全体の %6)")
            .arg(rowName(bar), columnName(segment.column, layout_.columnLabel(segment.column)),
                 generalNumber(segment.value), unitText, percentText(segment.rowShare),
                 percentText(segment.totalShare));
    }
    case ChartPlace::Kind::Label: {
        const BarLayout& bar = layout_.bars.at(place.bar);
        return QStringLiteral("%1: 計 %2%3 (全体の %4)")
            .arg(rowName(bar), generalNumber(bar.total, SingleDigits), unitText,
                 percentText(bar.share));
    }
    case ChartPlace::Kind::Key: {
        const KeyLayout& key = layout_.keys.at(place.item);
        return columnName(key.column, key.label.text);
    }
    }
    return {};
}

QString ChartReading::summary() const {
    const QString unitText = layout_.unit.isEmpty() ? QString() : QLatin1Char(' ') + layout_.unit;
    QString text = QStringLiteral("総計 %1%2。").arg(layout_.grandTotalFigure, unitText);
    for (const BarLayout& bar : layout_.bars) {
        text += QStringLiteral("%1: 計 %2%3、全体の %4。")
                    .arg(rowName(bar), generalNumber(bar.total, SingleDigits), unitText,
                         percentText(bar.share));
        QStringList parts;
        for (int s : valuedSegments(bar)) {
            const SegmentLayout& segment = bar.segments[s];
            parts << columnName(segment.column, layout_.columnLabel(segment.column)) +
                         QLatin1Char(' ') + percentText(segment.rowShare);
        }
        if (!parts.isEmpty())
            text +=
                QStringLiteral("内訳 ") + parts.join(QStringLiteral("、")) + QStringLiteral("。");
    }
    return text;
}

std::optional<ChartPlace> ChartReading::firstSegment() const {
    for (std::size_t b = 0; b < layout_.bars.size(); ++b)
        if (const std::vector<int> valued = valuedSegments(layout_.bars[b]); !valued.empty())
            return ChartPlace{ChartPlace::Kind::Segment, static_cast<int>(b), valued.front()};
    return std::nullopt;
}

std::optional<ChartPlace> ChartReading::step(const ChartPlace& from, int dx, int dy) const {
    if (from.kind != ChartPlace::Kind::Segment)
        return firstSegment();
    if (dx != 0) {
        const std::vector<int> valued = valuedSegments(layout_.bars.at(from.bar));
        const auto at = std::find(valued.begin(), valued.end(), from.item) - valued.begin();
        const auto to = at + (dx > 0 ? 1 : -1);
        if (to < 0 || to >= std::ssize(valued))
            return std::nullopt;
        return ChartPlace{ChartPlace::Kind::Segment, from.bar, valued[to]};
    }
    const int direction = dy > 0 ? 1 : -1;
    const auto barCount = std::ssize(layout_.bars);
    for (int b = from.bar + direction; b >= 0 && b < barCount; b += direction) {
        const std::vector<int> valued = valuedSegments(layout_.bars[b]);
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

std::optional<ChartPlace> ChartReading::segmentOf(int row, int column) const {
    for (std::size_t b = 0; b < layout_.bars.size(); ++b) {
        const BarLayout& bar = layout_.bars[b];
        if (bar.row != row)
            continue;
        for (int s : valuedSegments(bar))
            if (bar.segments[s].column == column)
                return ChartPlace{ChartPlace::Kind::Segment, static_cast<int>(b), s};
    }
    return std::nullopt;
}

std::vector<ChartPlace> ChartReading::places() const {
    std::vector<ChartPlace> all;
    for (std::size_t b = 0; b < layout_.bars.size(); ++b) {
        const int bar = static_cast<int>(b);
        if (!box({ChartPlace::Kind::Label, bar, 0}).isEmpty())
            all.push_back({ChartPlace::Kind::Label, bar, 0});
        for (int s : valuedSegments(layout_.bars[b]))
            all.push_back({ChartPlace::Kind::Segment, bar, s});
    }
    for (std::size_t k = 0; k < layout_.keys.size(); ++k)
        all.push_back({ChartPlace::Kind::Key, 0, static_cast<int>(k)});
    return all;
}
