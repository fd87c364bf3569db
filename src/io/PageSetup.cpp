#include "io/PageSetup.h"

#include "graph/Twips.h"

#include <algorithm>
#include <cmath>

namespace {

QPageSize pageSize(Paper paper) {
    switch (paper) {
    case Paper::A3:
        return QPageSize(QPageSize::A3);
    case Paper::B4:
        return QPageSize(QPageSize::JisB4);
    case Paper::B5:
        return QPageSize(QPageSize::JisB5);
    case Paper::Letter:
        return QPageSize(QPageSize::Letter);
    case Paper::None:
    case Paper::A4:
        break;
    }
    return QPageSize(QPageSize::A4);
}

} // namespace

QPageLayout paperLayout(const PageSetup& setup) {
    return QPageLayout(pageSize(setup.paper),
                       setup.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait,
                       QMarginsF());
}

QSize paperTwips(const PageSetup& setup) {
    return paperLayout(setup).fullRectPoints().size() * TwipsPerPoint;
}

ChartOnPage placeChart(ChartPlacement placement, QSize page, QSize chart, QMargins printable) {
    switch (placement) {
    case ChartPlacement::TopLeft:
        return {QRect(QPoint(printable.left(), printable.top()), chart)};
    case ChartPlacement::Centre:
        return {
            QRect(QPoint((page.width() - chart.width()) / 2, (page.height() - chart.height()) / 2),
                  chart)};
    case ChartPlacement::Fit:
        break;
    }
    const auto margin = [](int device) { return std::max(device, FitMarginTwips); };
    const QRect within =
        QRect(QPoint(), page)
            .marginsRemoved(QMargins(margin(printable.left()), margin(printable.top()),
                                     margin(printable.right()), margin(printable.bottom())));
    if (within.isEmpty() || chart.isEmpty())
        return {QRect(within.topLeft(), QSize())};
    const double scale =
        std::min(within.width() / double(chart.width()), within.height() / double(chart.height()));
    // Rounded down, so that the chart stays inside the margins.
    const QSize size(std::min(within.width(), int(std::floor(chart.width() * scale))),
                     std::min(within.height(), int(std::floor(chart.height() * scale))));
    const QPoint corner(within.left() + (within.width() - size.width()) / 2,
                        within.top() + (within.height() - size.height()) / 2);
    return {QRect(corner, size), scale};
}
