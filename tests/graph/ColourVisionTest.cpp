#include "graph/ColourVision.h"
#include "graph/Palettes.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourVision, DifferencesAreThoseReadersSee) {
    // Greys look the same to every reader; red and green nearly merge without red or green cones.
    const struct {
        QRgb a, b;
        ColourVision vision;
        double low, high;
    } cases[] = {
        {qRgb(0, 0, 0), qRgb(255, 255, 255), ColourVision::Normal, 99.9, 100.1},
        {qRgb(0, 0, 0), qRgb(255, 255, 255), ColourVision::Protanopia, 99.9, 100.1},
        {qRgb(0, 0, 0), qRgb(255, 255, 255), ColourVision::Deuteranopia, 99.9, 100.1},
        {qRgb(255, 0, 0), qRgb(0, 255, 0), ColourVision::Normal, 150, 200},
        {qRgb(204, 0, 0), qRgb(0, 128, 0), ColourVision::Deuteranopia, 0, 15},
    };
    for (const auto& c : cases) {
        const double seen = seenDifference(c.a, c.b, c.vision);
        EXPECT_GE(seen, c.low) << qRed(c.a) << ' ' << int(c.vision);
        EXPECT_LE(seen, c.high) << qRed(c.a) << ' ' << int(c.vision);
    }
}

TEST(ColourVision, OnlyTheUniversalPaletteKeepsEveryTwoColumnsApartForEveryReader) {
    for (ColourVision vision :
         {ColourVision::Normal, ColourVision::Protanopia, ColourVision::Deuteranopia}) {
        EXPECT_GE(closestPair(paletteColours(Palette::Cud), vision), 10) << int(vision);
        // Its neighbours in the legend and the bars differ most.
        const std::array<QRgb, 12> cud = paletteColours(Palette::Cud);
        for (std::size_t c = 1; c < cud.size(); ++c)
            EXPECT_GE(seenDifference(cud.at(c - 1), cud.at(c), vision), 50) << c;
    }
    EXPECT_LT(closestPair(paletteColours(Palette::Standard), ColourVision::Protanopia), 10);
}

} // namespace
