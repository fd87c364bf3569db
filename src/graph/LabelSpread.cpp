#include "graph/LabelSpread.h"

#include <algorithm>

std::vector<double> spreadLabels(const std::vector<LabelBlock>& blocks, double top, double bottom) {
    std::vector<double> tops(blocks.size());
    double free = top; // the first place the next block may take
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        tops[i] = std::max(blocks[i].top, free);
        free = tops[i] + blocks[i].height;
    }
    double limit = bottom; // the last place the next block up may end
    for (std::size_t i = blocks.size(); i-- > 0;) {
        tops[i] = std::min(tops[i], limit - blocks[i].height);
        limit = tops[i];
    }
    return tops;
}
