#include "app/ChartPartAccessible.h"

#include "app/ChartView.h"

#include <QWidget>

namespace {
QWindow* windowOf(const ChartView* box) {
    return box ? box->window()->windowHandle() : nullptr;
}
} // namespace

ChartPartAccessible::ChartPartAccessible(ChartView* box, ChartPlace place)
    : box_(box)
    , place_(place)
    , serial_(box->readingSerial()) {}

bool ChartPartAccessible::isValid() const {
    return box_ && box_->reading() && box_->readingSerial() == serial_;
}

QWindow* ChartPartAccessible::window() const {
    return windowOf(box_);
}

QAccessibleInterface* ChartPartAccessible::parent() const {
    return box_ ? QAccessible::queryAccessibleInterface(box_) : nullptr;
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

QWindow* ChartNoticeAccessible::window() const {
    return windowOf(box_);
}

QAccessibleInterface* ChartNoticeAccessible::parent() const {
    return box_ ? QAccessible::queryAccessibleInterface(box_) : nullptr;
}

QAccessible::State ChartNoticeAccessible::state() const {
    QAccessible::State state;
    state.invisible = words_.isEmpty();
    return state;
}
