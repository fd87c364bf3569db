#include "graph/PatternScheme.h"

#include "graph/ChartLayout.h"

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
