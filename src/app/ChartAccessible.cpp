#include "app/ChartAccessible.h"

#include "app/ChartView.h"

#include <QAccessibleWidget>

namespace {

// The highlighted segment: a child of the chart that exists while there is a highlight.
class HighlightAccessible : public QAccessibleInterface {
public:
    explicit HighlightAccessible(ChartView* box)
        : box_(box) {}

    bool isValid() const override { return box_ && box_->highlight(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        const QAccessibleInterface* chart = parent();
        return chart ? chart->window() : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(box_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? box_->reading()->tooltip(*box_->highlight())
                                                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return isValid() ? QRect(box_->mapToGlobal(box_->highlightRect().topLeft()),
                                 box_->highlightRect().size())
                         : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = box_ && box_->hasFocus();
        return state;
    }

private:
    QPointer<ChartView> box_;
};

class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartView* box)
        : QAccessibleWidget(box, QAccessible::Chart) {}
    ~ChartAccessible() override {
        if (highlightId_)
            QAccessible::deleteAccessibleInterface(highlightId_);
    }

    int childCount() const override { return box()->highlight() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? focusChild() : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!box()->highlight())
            return nullptr;
        if (!highlightId_)
            highlightId_ = QAccessible::registerAccessibleInterface(
                new HighlightAccessible(static_cast<ChartView*>(widget())));
        return QAccessible::accessibleInterface(highlightId_);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child == focusChild() ? 0 : -1;
    }
    // The chart's title and its words, made when asked: with long labels the words run to
    // megabytes, too much to make for every chart that no screen reader reads.
    QString text(QAccessible::Text t) const override {
        const std::optional<ChartReading>& reading = box()->reading();
        if (reading && t == QAccessible::Name)
            return reading->title();
        if (reading && t == QAccessible::Description)
            return reading->summary();
        return QAccessibleWidget::text(t);
    }

private:
    const ChartView* box() const { return static_cast<const ChartView*>(widget()); }

    mutable QAccessible::Id highlightId_ = 0;
};

QAccessibleInterface* chartFactory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<ChartView*>(object))
        return new ChartAccessible(box);
    return nullptr;
}

} // namespace

void installChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    (void)installed;
}

void announceReading(ChartView* box) {
    if (!QAccessible::isActive())
        return;
    for (const QAccessible::Event change :
         {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
        QAccessibleEvent event(box, change);
        QAccessible::updateAccessibility(&event);
    }
}

void announceHighlight(ChartView* box) {
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(box))
        if (QAccessibleInterface* segment = chart->focusChild()) {
            QAccessibleEvent event(segment, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
}
