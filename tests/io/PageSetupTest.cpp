#include "io/PageSetup.h"

#include <gtest/gtest.h>

namespace {

// Standard, wide and tall charts on the papers, for a PDF (no margin the device keeps) and for a
// printer with unequal margins.
TEST(PageSetup, ChartsLieWhereTheirPlacementSaysOnEveryPaper) {
    const QSize charts[] = {{6855, 7575}, {14000, 6000}, {6855, 30000}};
    const QMargins printers[] = {{}, {340, 280, 400, 700}};
    for (Paper paper : {Paper::A4, Paper::A3, Paper::B4, Paper::B5, Paper::Letter})
        for (PageOrientation turn : {PageOrientation::Portrait, PageOrientation::Landscape})
            for (const QSize& chart : charts)
                for (const QMargins& printable : printers) {
                    const QSize page = paperTwips({paper, turn});
                    const QRect usable = QRect(QPoint(), page) - printable;
                    const auto name = [&] {
                        return testing::Message()
                               << int(paper) << "/" << int(turn) << " " << chart.width() << "x"
                               << chart.height() << " margin " << printable.left();
                    };
                    const ChartOnPage topLeft =
                        placeChart(ChartPlacement::TopLeft, page, chart, printable);
                    EXPECT_EQ(topLeft.area, QRect(usable.topLeft(), chart)) << name();
                    EXPECT_EQ(topLeft.scale, 1);

                    const ChartOnPage centre =
                        placeChart(ChartPlacement::Centre, page, chart, printable);
                    EXPECT_EQ(centre.area.size(), chart) << name();
                    EXPECT_NEAR(centre.area.center().x(), page.width() / 2, 1) << name();
                    EXPECT_NEAR(centre.area.center().y(), page.height() / 2, 1) << name();

                    const ChartOnPage fit = placeChart(ChartPlacement::Fit, page, chart, printable);
                    const QRect margins =
                        usable & (QRect(QPoint(), page) - QMargins(567, 567, 567, 567));
                    EXPECT_TRUE(margins.contains(fit.area)) << name();
                    EXPECT_NEAR(fit.area.width(), chart.width() * fit.scale, 1) << name();
                    EXPECT_NEAR(fit.area.height(), chart.height() * fit.scale, 1) << name();
                    EXPECT_TRUE(fit.area.width() >= margins.width() - 1 ||
                                fit.area.height() >= margins.height() - 1)
                        << name() << ": as large as fits";
                }
}

} // namespace
