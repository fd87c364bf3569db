#include "graph/LabelSpread.h"
#include "graph/TextContrast.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr double Line = 180; // a label's height in twips

std::vector<LabelBlock> blocksAt(std::initializer_list<double> tops) {
    std::vector<LabelBlock> blocks;
    for (double top : tops)
        blocks.push_back({top, Line});
    return blocks;
}

TEST(LabelSpread, MovesOnlyWhatCollidesAndStaysOnTheCanvas) {
    const struct {
        const char* name;
        std::vector<LabelBlock> blocks;
        std::vector<double> tops;
    } cases[] = {
        {"apart", blocksAt({700, 2000, 4000}), {700, 2000, 4000}},
        {"touching", blocksAt({700, 880}), {700, 880}},
        {"thin bars", blocksAt({700, 705, 708, 710, 3000}), {700, 880, 1060, 1240, 3000}},
        {"pushed into the next", blocksAt({700, 700, 900}), {700, 880, 1060}},
        {"at the bottom", blocksAt({700, 5690, 5695, 5700}), {700, 5340, 5520, 5700}},
        {"all at the bottom", blocksAt({5880, 5880}), {5520, 5700}},
        {"taller block", {{700, 360}, {800, 180}}, {700, 1060}},
        {"none", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spreadLabels(c.blocks, 0, 5880), c.tops) << c.name;
}

// For random bars, however thin: no block overlaps the one before it or leaves the canvas, the
// order stays, and where nothing collides nothing moves.
TEST(LabelSpread, NeverOverlapsNorLeavesTheCanvas) {
    std::mt19937 random(2024);
    for (int round = 0; round < 2000; ++round) {
        const double bottom = 4575 + 3000.0 * (random() % 3);
        std::vector<LabelBlock> blocks;
        double top = 700;
        const int count = 1 + int(random() % 10);
        for (int i = 0; i < count; ++i) {
            blocks.push_back({top, Line * (1 + random() % 2)});
            top += std::pow(10.0, (random() % 4000) / 1000.0) - 1; // 0 to 9999 twips
            top = std::min(top, bottom - 1);
        }
        const std::vector<double> tops = spreadLabels(blocks, 0, bottom);
        bool collides = blocks.back().top + blocks.back().height > bottom;
        for (int i = 1; i < count; ++i)
            collides |= blocks[i - 1].top + blocks[i - 1].height > blocks[i].top;
        for (int i = 0; i < count; ++i) {
            EXPECT_GE(tops[i], 0) << round;
            EXPECT_LE(tops[i] + blocks[i].height, bottom) << round;
            if (i > 0) {
                EXPECT_GE(tops[i], tops[i - 1] + blocks[i - 1].height) << round;
            }
            if (!collides) {
                EXPECT_EQ(tops[i], blocks[i].top) << round;
            }
        }
    }
}

TEST(TextContrast, PicksTheTextColourThatStandsOutMore) {
    const QRgb Black = qRgb(0, 0, 0);
    const QRgb White = qRgb(0xFF, 0xFF, 0xFF);
    const struct {
        QRgb fill;
        QRgb text;
    } cases[] = {
        {qRgb(0xFF, 0, 0), Black},
        {qRgb(0, 0, 0xFF), White},
        {qRgb(0xFF, 0xFF, 0), Black},
        {qRgb(0, 0x80, 0), White},
        {qRgb(0x80, 0x80, 0x80), Black},
        {qRgb(0x80, 0, 0), White},
        {Black, White},
        {White, Black},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textColourOn(c.fill), c.text) << std::hex << c.fill;
}

} // namespace
