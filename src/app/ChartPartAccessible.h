#pragma once

#include "graph/ChartReading.h"

#include <QAccessibleInterface>
#include <QPointer>

class ChartView;

// A child of the chart as screen readers meet it, with no children of its own: it lives in the
// chart view's window and answers to the chart as its parent.
class ChartChildAccessible : public QAccessibleInterface {
public:
    explicit ChartChildAccessible(ChartView* box)
        : box_(box) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<ChartView> box_;
};

// One thing of the drawn chart as screen readers meet it: a segment, a bar's label or a legend
// key, a child of the chart named as its tooltip reads and placed where it is drawn. It is valid
// while the chart it was made for is shown.
class ChartPartAccessible : public ChartChildAccessible {
public:
    ChartPartAccessible(ChartView* box, ChartPlace place);

    const ChartPlace& place() const { return place_; }

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    ChartPlace place_;
    int serial_ = 0; // of the chart's reading
};

// What the chart says when the highlight cannot go on, such as 「行の端です」: a notification,
// the chart's last child, shown while it has something to say, as screen readers speak a
// notification that shows.
class ChartNoticeAccessible : public ChartChildAccessible {
public:
    explicit ChartNoticeAccessible(ChartView* box)
        : ChartChildAccessible(box) {}

    // Empty words hide the notice.
    void setWords(const QString& words) { words_ = words; }
    const QString& words() const { return words_; }

    bool isValid() const override { return !box_.isNull(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? words_ : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    QString words_;
};
