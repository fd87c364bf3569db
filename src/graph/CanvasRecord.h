#pragma once

#include "graph/CanvasOperation.h"

#include <QSize>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class CanvasPainter;

// The operations drawn on the canvas since it was last cleared, and how far down each of them
// still shows: a canvas that was once less tall lost the drawing below its height then.
class CanvasRecord {
public:
    const CanvasOperation& add(CanvasOperation op);
    void clear();
    // The canvas's height changes from `fromTwips` to `toTwips`.
    void heightChanged(int fromTwips, int toTwips);
    // Draws the operations in order, each cut to the part that still shows on a canvas of `size`
    // twips.
    void replay(CanvasPainter& painter, QSize size) const;
    // Calls `draw` for the operations in order, each with the height in twips down to which it
    // still shows, or nothing where it shows whole.
    void visit(const std::function<void(const CanvasOperation&, std::optional<int> heightTwips)>&
                   draw) const;

private:
    // The operations before `count` show down to `heightTwips` only. Both grow along the list.
    struct Cut {
        std::size_t count;
        int heightTwips;
    };

    std::vector<CanvasOperation> operations_;
    std::vector<Cut> cuts_;
};
