#include "app/ChartView.h"

#include "app/ChartAccessible.h"
#include "graph/Twips.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr double PointerSlack = TwipsPerPixel / 2.0; // the pointer is one pixel
}

ChartView::ChartView(int widthTwips, int heightTwips, QRgb backColor, QWidget* parent)
    : QWidget(parent)
    , canvas_(widthTwips, heightTwips, backColor) {
    setObjectName(QStringLiteral("Pic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    installChartAccessible();
    resize(canvas_.pixelSize());
    // A chart changes the canvas hundreds of times: each change only schedules a repaint, and
    // the painting reads the picture once.
    canvas_.setChangeListener([this] {
        if (size() != canvas_.pixelSize())
            resize(canvas_.pixelSize());
        update();
    });
    canvas_.setEraseListener([this] { forgetReading(); });
}

void ChartView::setReading(ChartReading reading) {
    retireChartParts(this);
    const std::optional<std::pair<int, int>> cell = reading_ ? highlightedCell() : forgottenCell_;
    highlight_ = cell ? reading.segmentOf(cell->first, cell->second) : std::nullopt;
    forgottenCell_.reset();
    reading_ = std::move(reading);
    ++readingSerial_;
    announceReading(this);
    update();
    emit readingChanged();
}

std::optional<std::pair<int, int>> ChartView::highlightedCell() const {
    if (!highlight_ || highlight_->kind != ChartPlace::Kind::Segment)
        return std::nullopt;
    const BarLayout& bar = reading_->layout().bars.at(highlight_->bar);
    return std::pair{bar.row, bar.segments.at(highlight_->item).column};
}

void ChartView::forgetReading() {
    if (!reading_)
        return;
    retireChartParts(this);
    forgottenCell_ = highlightedCell();
    reading_.reset();
    ++readingSerial_;
    highlight_.reset();
    announceReading(this);
    QToolTip::hideText();
    emit readingChanged();
}

QString ChartView::tooltipAt(QPoint position) const {
    if (!reading_)
        return {};
    const QPointF twips(double(position.x()) * TwipsPerPixel, double(position.y()) * TwipsPerPixel);
    const std::optional<ChartPlace> place = reading_->placeAt(twips, PointerSlack);
    return place ? reading_->tooltip(*place) : QString();
}

bool ChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const QString text = tooltipAt(help->pos()); !text.isEmpty())
            QToolTip::showText(help->globalPos(), text, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse) {
        emit menuRequested(keyboardMenuPlace(), highlight_);
        return;
    }
    const QPointF twips(QPointF(event->pos()) * TwipsPerPixel);
    emit menuRequested(event->globalPos(),
                       reading_ ? reading_->placeAt(twips, PointerSlack) : std::nullopt);
}

QPoint ChartView::keyboardMenuPlace() const {
    return mapToGlobal(highlight_ ? highlightRect().center() : QPoint(width() / 4, height() / 4));
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    // The Menu key comes as a context menu event; Shift+F10 is left to the widget.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        emit menuRequested(keyboardMenuPlace(), highlight_);
        return;
    }
    if (!reading_) {
        QWidget::keyPressEvent(event);
        return;
    }
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const std::optional<ChartPlace> next =
        highlight_ ? reading_->step(*highlight_, dx, dy) : reading_->firstSegment();
    if (next)
        moveHighlight(next);
    else if (highlight_) // it stays, and a screen reader says why
        announceEdge(this,
                     dx != 0 ? QStringLiteral("行の端です") : QStringLiteral("グラフの端です"));
}

void ChartView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Qt tells the focus on the chart after this, even when a menu closes; the highlighted
    // segment takes it back once that is told.
    if (highlight_ && QAccessible::isActive())
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (hasFocus())
                    announceHighlight(this);
            },
            Qt::QueuedConnection);
}

void ChartView::moveHighlight(std::optional<ChartPlace> place) {
    highlight_ = place;
    update();
    if (!place)
        return;
    const QRect box = placeRect(*place);
    QToolTip::showText(mapToGlobal(box.center()), reading_->tooltip(*place), this);
    announceHighlight(this);
}

QRect ChartView::highlightRect() const {
    return highlight_ ? placeRect(*highlight_) : QRect();
}

QRect ChartView::placeRect(const ChartPlace& place) const {
    const QRectF twips = reading_->box(place);
    return QRect(QPoint(toPixels(twips.left()), toPixels(twips.top())),
                 QPoint(toPixels(twips.right()), toPixels(twips.bottom())));
}

void ChartView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), canvas_.image(), event->rect());
    if (highlight_) {
        // Black and white dashes show on every colour and pattern.
        const QRect box = placeRect(*highlight_).adjusted(-2, -2, 2, 2);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(box);
        painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
        painter.drawRect(box);
    }
}
