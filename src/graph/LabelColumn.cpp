#include "graph/LabelColumn.h"

#include "graph/LabelSpread.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr std::array FontSizes = {180, 165, 150, 135, 120}; // 9 points down to 6, in twips
constexpr int LeaderGap = 30;                               // between a moved block and its leader
const QString Ellipsis = QStringLiteral("…");

QString totalLine(const LabelEntry& entry) {
    return QStringLiteral("%1 (%2)").arg(entry.total, entry.share);
}

QString shareLine(const LabelEntry& entry) {
    return QStringLiteral("(%1)").arg(entry.share);
}

// The texts of the column measured in one font.
class ColumnFont {
public:
    ColumnFont(const TextMetrics& metrics, const LabelRoom& room)
        : metrics_(metrics)
        , room_(room) {}

    double lineHeight() const { return metrics_.lineHeight; }
    bool fits(const QString& text) const { return width(text) <= room_.plotLeft - room_.left; }
    double width(const QString& text) const { return metrics_.width(text, room_.left); }
    // The total on one line where it fits, else on two.
    bool totalBreaks(const LabelEntry& entry) const { return !fits(totalLine(entry)); }

    // The text as far as it fits, cut before an ellipsis where it does not.
    QString shortened(const QString& text) const {
        if (fits(text))
            return text;
        // A character is at least a pixel wide, so no more than this many can fit.
        qsizetype low = 0;
        qsizetype high = std::min(text.size(), qsizetype(room_.plotLeft - room_.left));
        while (low < high) {
            const qsizetype middle = (low + high + 1) / 2;
            if (fits(cut(text, middle) + Ellipsis))
                low = middle;
            else
                high = middle - 1;
        }
        return cut(text, low) + Ellipsis;
    }

private:
    static QString cut(const QString& text, qsizetype length) {
        if (length > 0 && text[length - 1].isHighSurrogate())
            --length;
        return text.left(length);
    }

    TextMetrics metrics_;
    LabelRoom room_;
};

class ColumnFitter {
public:
    ColumnFitter(const std::vector<LabelEntry>& entries, const LabelRoom& room,
                 const TextMetrics& metrics, bool totals)
        : entries_(entries)
        , room_(room)
        , metrics_(metrics)
        , totals_(totals)
        , labelShown_(entries.size(), true)
        , totalShown_(entries.size(), totals) {}

    LabelColumnLayout fit() {
        const ColumnFont smallest(metricsAt(FontSizes.back()), room_);
        int size = FontSizes.back();
        for (int candidate : FontSizes)
            if (standsAt(candidate, smallest)) {
                size = candidate;
                break;
            }
        const ColumnFont font(metricsAt(size), room_);
        if (size == FontSizes.back())
            leaveOut(font);
        return place(size, font);
    }

private:
    TextMetrics metricsAt(int size) const {
        return size == CanvasFontSize ? metrics_ : metrics_.sized(size);
    }

    int lines(std::size_t i, const ColumnFont& font) const {
        const LabelEntry& entry = entries_[i];
        if (!totalShown_[i])
            return labelShown_[i] && !entry.label.isEmpty() ? 1 : 0;
        return font.totalBreaks(entry) ? 3 : 2;
    }

    double height(const ColumnFont& font) const {
        int count = 0;
        for (std::size_t i = 0; i < entries_.size(); ++i)
            count += lines(i, font);
        return count * font.lineHeight();
    }

    // Whether every block stands at the size: together no taller than the room, and each text
    // that fits the column at the smallest size fits it at this one.
    bool standsAt(int size, const ColumnFont& smallest) const {
        const ColumnFont font(metricsAt(size), room_);
        if (height(font) > room_.bottom - room_.top)
            return false;
        const auto stands = [&](const QString& text) {
            return font.fits(text) || !smallest.fits(text);
        };
        for (const LabelEntry& entry : entries_) {
            if (!stands(entry.label))
                return false;
            if (totals_ && font.totalBreaks(entry) &&
                (!stands(entry.total) || !stands(shareLine(entry))))
                return false;
        }
        return true;
    }

    // The totals of the thinnest bars, then their labels, until the rest stands; of bars equally
    // thin (to a twip) the lower ones first, as the upper ones are read first.
    void leaveOut(const ColumnFont& font) {
        std::vector<std::size_t> thinFirst(entries_.size());
        std::iota(thinFirst.begin(), thinFirst.end(), 0);
        std::sort(thinFirst.begin(), thinFirst.end(), [&](std::size_t a, std::size_t b) {
            const double thicknessA = std::round(entries_[a].thickness);
            const double thicknessB = std::round(entries_[b].thickness);
            return thicknessA != thicknessB ? thicknessA < thicknessB : a > b;
        });
        for (std::vector<bool>* shown : {&totalShown_, &labelShown_})
            for (std::size_t i : thinFirst) {
                if (height(font) <= room_.bottom - room_.top)
                    return;
                (*shown)[i] = false;
            }
    }

    LabelColumnLayout place(int size, const ColumnFont& font) const {
        std::vector<LabelBlock> blocks;
        for (std::size_t i = 0; i < entries_.size(); ++i)
            blocks.push_back({entries_[i].anchor, lines(i, font) * font.lineHeight()});
        const std::vector<double> tops = spreadLabels(blocks, room_.top, room_.bottom);
        LabelColumnLayout column{size, {}};
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const LabelEntry& entry = entries_[i];
            LabelPlacement placed;
            const auto y = static_cast<float>(tops[i]);
            const auto at = [&](int line, const QString& text) {
                PlacedText t{
                    text, room_.left, static_cast<float>(y + line * font.lineHeight()), {}};
                if (!text.isEmpty())
                    t.box = QRectF(t.x, t.y, font.width(text), font.lineHeight());
                return t;
            };
            placed.labelLeftOut = !labelShown_[i] && !entry.label.isEmpty();
            placed.totalLeftOut = totals_ && !totalShown_[i];
            placed.label = at(0, labelShown_[i] ? font.shortened(entry.label) : QString());
            placed.labelShortened = labelShown_[i] && placed.label.text != entry.label;
            if (totalShown_[i]) {
                const bool breaks = font.totalBreaks(entry);
                placed.total = at(1, font.shortened(breaks ? entry.total : totalLine(entry)));
                if (breaks)
                    placed.share = at(2, font.shortened(shareLine(entry)));
            }
            if (y != entry.anchor && blocks[i].height != 0) {
                const double right =
                    placed.label.box.united(placed.total.box).united(placed.share.box).right();
                placed.leader = Corners{
                    std::min(static_cast<float>(right + LeaderGap), room_.plotLeft),
                    static_cast<float>(y + blocks[i].height / 2), room_.plotLeft, entry.middle};
            }
            column.bars.push_back(std::move(placed));
        }
        return column;
    }

    const std::vector<LabelEntry>& entries_;
    const LabelRoom room_;
    const TextMetrics& metrics_;
    const bool totals_;
    std::vector<bool> labelShown_;
    std::vector<bool> totalShown_;
};

} // namespace

LabelColumnLayout fitLabelColumn(const std::vector<LabelEntry>& entries, const LabelRoom& room,
                                 const TextMetrics& metrics, bool totals) {
    return ColumnFitter(entries, room, metrics, totals).fit();
}
