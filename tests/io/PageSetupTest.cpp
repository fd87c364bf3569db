#include "io/PageSetup.h"

#include <gtest/gtest.h>

namespace {

// Standard, wide and tall charts on the papers, for a PDF (no margin the device keeps) and for a
// printer with unequal margins.
TEST(PageSetup, ChartsLieWhereTheirPlacementSaysOnEveryPaper) {
    for (Paper paper : {Paper::A4, Paper::A3, Paper::B4, Paper::B5, Paper::Letter})
        for (PageOrientation turn : {PageOrientation::Portrait, PageOrientation::Landscape})
            for (const QSize chart : {QSize(6855, 7575), QSize(14000, 6000), QSize(6855, 30000)})
                for (const QMargins printable : {QMargins(), QMargins(340, 280, 400, 700)}) {
                    SCOPED_TRACE(testing::Message() << int(paper) << int(turn) << " "
                                                    << chart.width() << " " << printable.left());
                    const QSize page = paperTwips({paper, turn});
                    const QRect usable = QRect(QPoint(), page) - printable;
                    EXPECT_EQ(placeChart(ChartPlacement::TopLeft, page, chart, printable).area,
                              QRect(usable.topLeft(), chart));
                    const QRect centre =
                        placeChart(ChartPlacement::Centre, page, chart, printable).area;
                    EXPECT_EQ(centre.size(), chart);
                    EXPECT_NEAR(centre.center().x(), page.width() / 2, 1);
                    EXPECT_NEAR(centre.center().y(), page.height() / 2, 1);

                    const ChartOnPage fit = placeChart(ChartPlacement::Fit, page, chart, printable);
                    const QRect margins =
                        usable & (QRect(QPoint(), page) - QMargins(567, 567, 567, 567));
                    EXPECT_TRUE(margins.contains(fit.area));
                    EXPECT_NEAR(fit.area.width(), chart.width() * fit.scale, 1);
                    EXPECT_NEAR(fit.area.height(), chart.height() * fit.scale, 1);
                    EXPECT_TRUE(fit.area.width() >= margins.width() - 1 ||
                                fit.area.height() >= margins.height() - 1)
                        << "as large as fits";
                }
}

} // namespace
