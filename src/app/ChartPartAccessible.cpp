#include "app/ChartPartAccessible.h"

#include "app/ChartView.h"

#include <QWidget>

QWindow* ChartChildAccessible::window() const {
    return box_ ? box_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ChartChildAccessible::parent() const {
    return box_ ? QAccessible::queryAccessibleInterface(box_) : nullptr;
}

ChartPartAccessible::ChartPartAccessible(ChartView* box, ChartPlace place)
    : ChartChildAccessible(box)
    , place_(place)
    , serial_(box->readingSerial()) {}

bool ChartPartAccessible::isValid() const {
    return box_ && box_->reading() && box_->readingSerial() == serial_;
}

QString ChartPartAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name && isValid() ? box_->reading()->tooltip(place_) : QString();
}

QRect ChartPartAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect box = box_->placeRect(place_);
    return QRect(box_->mapToGlobal(box.topLeft()), box.size());
}

QAccessible::Role ChartPartAccessible::role() const {
    return place_.kind == ChartPlace::Kind::Label ? QAccessible::StaticText : QAccessible::Graphic;
}

QAccessible::State ChartPartAccessible::state() const {
    QAccessible::State state;
    if (place_.kind != ChartPlace::Kind::Segment)
        return state;
    state.focusable = true;
    state.focused = isValid() && box_->hasFocus() && box_->highlight() == place_;
    return state;
}

QAccessible::State ChartNoticeAccessible::state() const {
    QAccessible::State state;
    state.invisible = words_.isEmpty();
    return state;
}
