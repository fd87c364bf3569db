#include "graph/LabelSpread.h"

#include <gtest/gtest.h>

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

} // namespace
