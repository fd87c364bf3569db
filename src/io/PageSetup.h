#pragma once

#include <QMargins>
#include <QPageLayout>
#include <QRect>
#include <QSize>

// The page that printing and PDF put the chart on, and where on it the chart goes. Without a
// paper the page is the chart's own size (PDF) or the printer's (printing), the chart at its
// top-left corner: orientation and placement count only with a paper.
enum class Paper { None, A4, A3, B4, B5, Letter };
enum class PageOrientation { Portrait, Landscape };
enum class ChartPlacement {
    TopLeft, // the chart's top-left corner at the page's (or its printable area's), physical size
    Centre,  // centred on the paper at its physical size
    Fit,     // as large as fits within FitMarginTwips of every edge, proportions kept, centred
};

struct PageSetup {
    Paper paper = Paper::None;
    PageOrientation orientation = PageOrientation::Portrait;
    ChartPlacement placement = ChartPlacement::TopLeft;

    bool operator==(const PageSetup&) const = default;
};

// The margin left around a fitted chart: 10 mm.
inline constexpr int FitMarginTwips = 567;

// Qt's page of the setup's paper (JIS B sizes for B4 and B5), turned for the orientation,
// without margins; a paper other than None.
QPageLayout paperLayout(const PageSetup& setup);
// Its size in twips, in whole points as a PDF's page has it.
QSize paperTwips(const PageSetup& setup);

// Where the chart lies on the page, in twips from the page's top-left corner, and the factor its
// physical size is drawn at.
struct ChartOnPage {
    QRect area;
    double scale = 1;
};

// The one rule of where a chart of `chart` twips goes on a page of `page` twips. `printable`
// is the margin the device cannot print on (none for a PDF): the top-left placement starts
// inside it, and a fitted chart keeps clear of it as well as of FitMarginTwips.
ChartOnPage placeChart(ChartPlacement placement, QSize page, QSize chart, QMargins printable = {});
