#include "app/ChartAccessible.h"

#include "app/ChartPartAccessible.h"
#include "app/ChartView.h"
#include "graph/Twips.h"

#include <QAccessibleWidget>

#include <vector>

namespace {

void send(QAccessibleInterface* about, QAccessible::Event change) {
    QAccessibleEvent event(about, change);
    QAccessible::updateAccessibility(&event);
}

class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartView* box)
        : QAccessibleWidget(box, QAccessible::Chart)
        , noticeId_(QAccessible::registerAccessibleInterface(new ChartNoticeAccessible(box))) {}
    // Qt's cache may have deleted the parts already, when it ends: they go by their ids.
    ~ChartAccessible() override {
        deleteParts();
        QAccessible::deleteAccessibleInterface(noticeId_);
    }

    int childCount() const override { return int(parts().size()) + 1; }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessible::Id>& all = parts();
        if (index >= 0 && index < std::ssize(all))
            return QAccessible::accessibleInterface(all[std::size_t(index)]);
        return index == std::ssize(all) ? notice() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessible::Id>& all = parts();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (QAccessible::accessibleInterface(all[i]) == child)
                return int(i);
        return child && child == notice() ? int(all.size()) : -1;
    }
    QAccessibleInterface* focusChild() const override {
        const std::optional<ChartPlace> highlight = box()->highlight();
        return highlight ? partAt(*highlight) : nullptr;
    }
    // What is drawn at the point, as the pointer finds it.
    QAccessibleInterface* childAt(int x, int y) const override {
        const std::optional<ChartReading>& reading = box()->reading();
        if (!reading)
            return nullptr;
        const QPoint at = box()->mapFromGlobal(QPoint(x, y));
        const std::optional<ChartPlace> place = reading->placeAt(
            QPointF(at.x() * TwipsPerPixel, at.y() * TwipsPerPixel), TwipsPerPixel / 2.0);
        return place ? partAt(*place) : nullptr;
    }
    // The chart's name and its words, made when asked: with long labels the words run to
    // megabytes, too much to make for every chart that no screen reader reads.
    QString text(QAccessible::Text t) const override {
        const std::optional<ChartReading>& reading = box()->reading();
        if (t == QAccessible::Name)
            return reading ? reading->name() : QStringLiteral("量率グラフ");
        if (t == QAccessible::Description)
            return reading ? reading->summary() : QString();
        return QAccessibleWidget::text(t);
    }

    // The parts of the chart being replaced leave the tree.
    void retireParts() {
        if (madeFor_ != box()->readingSerial())
            return;
        if (box()->hasFocus() && box()->highlight())
            send(this, QAccessible::Focus);
        for (QAccessible::Id id : parts_)
            send(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
        deleteParts();
    }
    // The parts of the chart drawn enter it.
    void announceParts() {
        for (QAccessible::Id id : parts())
            send(QAccessible::accessibleInterface(id), QAccessible::ObjectCreated);
    }
    // Shows the notice with the words, or hides it.
    void say(const QString& words) {
        ChartNoticeAccessible* shown = notice();
        if (!shown)
            return;
        if (!shown->words().isEmpty())
            send(shown, QAccessible::ObjectHide);
        shown->setWords(words);
        if (words.isEmpty())
            return;
        send(shown, QAccessible::NameChanged);
        send(shown, QAccessible::ObjectShow);
    }

private:
    const ChartView* box() const { return static_cast<const ChartView*>(widget()); }
    ChartNoticeAccessible* notice() const {
        return static_cast<ChartNoticeAccessible*>(QAccessible::accessibleInterface(noticeId_));
    }
    // The parts of the chart drawn, made when first asked for. Without an assistive technology
    // nothing retires them, and they are made again for a chart drawn since.
    const std::vector<QAccessible::Id>& parts() const {
        if (madeFor_ != box()->readingSerial())
            deleteParts();
        if (!madeFor_ && box()->reading()) {
            madeFor_ = box()->readingSerial();
            auto* view = static_cast<ChartView*>(widget());
            for (const ChartPlace& place : box()->reading()->places())
                parts_.push_back(
                    QAccessible::registerAccessibleInterface(new ChartPartAccessible(view, place)));
        }
        return parts_;
    }
    QAccessibleInterface* partAt(const ChartPlace& place) const {
        for (QAccessible::Id id : parts())
            if (auto* part =
                    static_cast<ChartPartAccessible*>(QAccessible::accessibleInterface(id));
                part && part->place() == place)
                return part;
        return nullptr;
    }
    void deleteParts() const {
        for (QAccessible::Id id : parts_)
            QAccessible::deleteAccessibleInterface(id);
        parts_.clear();
        madeFor_.reset();
    }

    QAccessible::Id noticeId_;
    mutable std::vector<QAccessible::Id> parts_;
    mutable std::optional<int> madeFor_; // the reading the parts were made for
};

QAccessibleInterface* chartFactory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<ChartView*>(object))
        return new ChartAccessible(box);
    return nullptr;
}

// The chart's interface, while an assistive technology is there to ask for it.
ChartAccessible* chartOf(ChartView* box) {
    if (!QAccessible::isActive())
        return nullptr;
    return static_cast<ChartAccessible*>(QAccessible::queryAccessibleInterface(box));
}

} // namespace

void installChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    (void)installed;
}

void retireChartParts(ChartView* box) {
    if (ChartAccessible* chart = chartOf(box)) {
        chart->say({});
        chart->retireParts();
    }
}

void announceReading(ChartView* box) {
    ChartAccessible* chart = chartOf(box);
    if (!chart)
        return;
    send(chart, QAccessible::NameChanged);
    send(chart, QAccessible::DescriptionChanged);
    chart->announceParts();
    if (box->hasFocus())
        announceHighlight(box);
}

void announceHighlight(ChartView* box) {
    if (ChartAccessible* chart = chartOf(box)) {
        chart->say({});
        if (QAccessibleInterface* segment = chart->focusChild())
            send(segment, QAccessible::Focus);
    }
}

void announceEdge(ChartView* box, const QString& words) {
    if (ChartAccessible* chart = chartOf(box))
        chart->say(words);
}
