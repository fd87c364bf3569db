#include "graph/PatternScheme.h"

#include "graph/ChartState.h"

#include <array>

Pattern patternOf(int column) {
    static constexpr std::array<Pattern, 8> scheme = {{
        {GreySlot, FillStyle::Solid},
        {BlackSlot, FillStyle::Transparent},
        {0, FillStyle::Horizontal},
        {0, FillStyle::Vertical},
        {0, FillStyle::UpwardDiagonal},
        {0, FillStyle::DownwardDiagonal},
        {0, FillStyle::Cross},
        {0, FillStyle::DiagonalCross},
    }};
    return scheme.at(static_cast<std::size_t>(column - 1) % scheme.size());
}

void applyPattern(const ChartState& state, Canvas& pic, int column) {
    const Pattern pattern = patternOf(column);
    if (pattern.fillColorSlot != 0)
        pic.setFillColor(state.colorTable[pattern.fillColorSlot]);
    pic.setFillStyle(pattern.style);
}
