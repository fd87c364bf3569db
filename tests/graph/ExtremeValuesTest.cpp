#include "ChartFixture.h"
#include "Printers.h"

#include "data/RuntimeError.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Tables of every sign and magnitude, drawn both ways: each chart is either drawn with finite
// coordinates or stopped with an overflow or a division by zero, and the boxes keep their text.
TEST(ExtremeValues, AreDrawnOrReportedNeverCrashOrYieldNonFiniteCoordinates) {
    const char* pool[] = {"0",      "1",       "-1",     "1e308",  "-1e308",  "1e-308", "5e-324",
                          "3.4e38", "-3.4e38", "1e38",   "1e-45",  "123.456", "-0",     "1e20",
                          "-2e20",  "7",       "1e-300", "3.5e38", "",        "abc"};
    std::mt19937 random(8);
    int drawn = 0;
    int reported = 0;
    for (int round = 0; round < 400; ++round) {
        ChartFixture f;
        const int rows = 1 + static_cast<int>(random() % 10);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= 12; ++c)
                if (random() % 3 == 0)
                    f.boxes.setValue(r, c, QString::fromLatin1(pool[random() % std::size(pool)]));
        const TableContents typed = f.boxes;
        for (bool colour : {true, false}) {
            try {
                colour ? f.drawColour() : f.drawPattern();
                f.layout.failure ? ++reported : ++drawn;
            } catch (const RuntimeError& error) { // a value beyond the 64-bit range
                EXPECT_EQ(error.number(), 6);
                ++reported;
            }
            for (const QString& op : f.surface.pic.ops)
                ASSERT_FALSE(op.contains(QStringLiteral("nan")) ||
                             op.contains(QStringLiteral("inf")))
                    << op.toStdString();
            for (int r = 1; r <= 10; ++r)
                for (int c = 1; c <= 12; ++c)
                    ASSERT_EQ(f.boxes.value(r, c), typed.value(r, c));
        }
    }
    EXPECT_GT(drawn, 0);
    EXPECT_GT(reported, 0);
}

} // namespace
