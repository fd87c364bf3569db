#include "graph/CanvasRecord.h"

#include "graph/CanvasPainter.h"

#include <algorithm>

namespace {
// Room kept for the operations of the next drawing; a chart takes a few hundred.
constexpr std::size_t KeptCapacity = 4096;
} // namespace

const CanvasOperation& CanvasRecord::add(CanvasOperation op) {
    operations_.push_back(std::move(op));
    return operations_.back();
}

void CanvasRecord::clear() {
    operations_.clear();
    if (operations_.capacity() > KeptCapacity)
        operations_.shrink_to_fit();
    cuts_.clear();
}

// Everything drawn so far shows down to the lesser height at most; a cut at least as deep
// before it says nothing more.
void CanvasRecord::heightChanged(int fromTwips, int toTwips) {
    const Cut cut{operations_.size(), std::min(fromTwips, toTwips)};
    if (cut.count == 0)
        return;
    while (!cuts_.empty() && cuts_.back().heightTwips >= cut.heightTwips)
        cuts_.pop_back();
    if (cuts_.empty() || cuts_.back().count < cut.count)
        cuts_.push_back(cut);
}

void CanvasRecord::replay(CanvasPainter& painter, QSize size) const {
    std::size_t next = 0;
    const auto drawUpTo = [&](std::size_t end) {
        for (; next < end; ++next)
            painter.draw(operations_[next]);
    };
    for (const Cut& cut : cuts_) {
        painter.painter().save();
        painter.clipToCanvas(QSize(size.width(), cut.heightTwips));
        drawUpTo(cut.count);
        painter.painter().restore();
    }
    drawUpTo(operations_.size());
}

void CanvasRecord::visit(
    const std::function<void(const CanvasOperation&, std::optional<int> heightTwips)>& draw) const {
    std::size_t next = 0;
    for (const Cut& cut : cuts_)
        for (; next < cut.count; ++next)
            draw(operations_[next], cut.heightTwips);
    for (; next < operations_.size(); ++next)
        draw(operations_[next], std::nullopt);
}
