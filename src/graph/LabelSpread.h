#pragma once

#include <vector>

// Row labels on the left of their bars, moved apart where thin bars would print them on top of
// each other.

// A label block (the label, and the total under it when shown) where it would lie: level with
// its bar's top, in twips.
struct LabelBlock {
    double top = 0;
    double height = 0;
};

// The tops of the blocks, in the stacking order of their bars, so that none overlaps the one
// before it and none runs past `bottom`: a block moves down from the first that collides just
// far enough to clear the one above, and where that would leave the canvas the blocks move up
// from the bottom instead. Blocks that do not collide keep their place. Where the blocks are
// taller together than the room from `top` to `bottom`, the last ones end at `bottom` and the
// first ones keep their order above them.
std::vector<double> spreadLabels(const std::vector<LabelBlock>& blocks, double top, double bottom);
