#include "graph/ChartDrawing.h"

#include "graph/Canvas.h"
#include "graph/ChartLayout.h"

namespace {

void writeText(Canvas& pic, const PlacedText& text) {
    pic.setCurrentX(text.x);
    pic.setCurrentY(text.y);
    pic.print(text.text);
}

void drawLine(Canvas& pic, const Corners& line) {
    pic.line(LineForm::Line, line.x1, line.y1, line.x2, line.y2);
}

void outline(Canvas& pic, const Corners& box) {
    pic.line(LineForm::Box, box.x1, box.y1, box.x2, box.y2);
}

// A legend key or segment: a solid box in the colour chart; in the black-and-white chart the
// pattern is set, then the box filled and outlined in one operation.
void drawFilled(Canvas& pic, ChartKind kind, const Fill& fill, const Corners& box) {
    if (kind == ChartKind::Colour) {
        pic.line(LineForm::FilledBox, box.x1, box.y1, box.x2, box.y2, fill.colour.value_or(0));
        return;
    }
    if (fill.colour)
        pic.setFillColor(*fill.colour);
    pic.setFillStyle(fill.style);
    outline(pic, box);
}

void drawFrame(const ChartLayout& layout, Canvas& pic) {
    const FrameLayout& frame = layout.frame;
    for (const Corners& tick : frame.scale.ticks)
        drawLine(pic, tick);
    drawLine(pic, frame.scale.axis);
    writeText(pic, frame.scale.percentSign);
    for (const PlacedText& number : frame.scale.numbers)
        writeText(pic, number);

    writeText(pic, frame.title);
    drawLine(pic, frame.rule);
    for (const KeyLayout& key : layout.keys) {
        drawFilled(pic, layout.kind, key.fill, key.swatch);
        writeText(pic, key.label);
    }
    for (const PlacedText* text :
         {&frame.unit, &frame.source, &frame.note, &frame.authorCaption, &frame.author})
        writeText(pic, *text);
}

// The numbers in the segments, each in its colour, then black again for the texts after them.
void drawFigures(Canvas& pic, const BarLayout& bar) {
    bool drawn = false;
    for (const SegmentLayout& segment : bar.segments) {
        if (!segment.figure)
            continue;
        const SegmentFigure& figure = *segment.figure;
        if (const std::optional<Corners>& back = figure.backing)
            pic.line(LineForm::FilledBox, back->x1, back->y1, back->x2, back->y2,
                     tableColour(WhiteSlot));
        pic.setForeColor(figure.colour);
        writeText(pic, figure.text);
        if (!figure.second.text.isEmpty())
            writeText(pic, figure.second);
        drawn = true;
    }
    if (drawn)
        pic.setForeColor(tableColour(BlackSlot));
}

// A thin grey line; the black-and-white chart's bars go on at their width.
void drawLeader(Canvas& pic, ChartKind kind, const Corners& leader) {
    if (kind == ChartKind::Pattern)
        pic.setDrawWidth(1);
    pic.line(LineForm::Line, leader.x1, leader.y1, leader.x2, leader.y2, tableColour(GreySlot));
    if (kind == ChartKind::Pattern)
        pic.setDrawWidth(2);
}

void drawBar(const ChartLayout& layout, Canvas& pic, const BarLayout& bar) {
    if (layout.kind == ChartKind::Colour) {
        if (bar.row == 1)
            pic.setDrawWidth(1);
        for (const SegmentLayout& segment : bar.segments)
            drawFilled(pic, layout.kind, segment.fill, segment.box);
        for (const SegmentLayout& segment : bar.segments)
            outline(pic, segment.box);
    } else {
        for (const SegmentLayout& segment : bar.segments)
            drawFilled(pic, layout.kind, segment.fill, segment.box);
    }
    drawFigures(pic, bar);
    if (bar.leader)
        drawLeader(pic, layout.kind, *bar.leader);
    // The labels' column in its own font where it had to shrink, and the canvas's font again
    // after it.
    const bool shrunk = layout.labelFontSize != CanvasFontSize;
    if (shrunk)
        pic.setFontSize(layout.labelFontSize);
    writeText(pic, bar.label);
    for (const PlacedText* total : {&bar.totalText, &bar.totalShare})
        if (!total->text.isEmpty())
            writeText(pic, *total);
    if (shrunk)
        pic.setFontSize(CanvasFontSize);
}

} // namespace

void drawChartLayout(const ChartLayout& layout, Canvas& pic) {
    drawFrame(layout, pic);
    if (layout.failure && layout.failure->row == 0)
        return;
    writeText(pic, layout.grandTotalText);
    if (layout.kind == ChartKind::Pattern)
        pic.setDrawWidth(2);
    for (const BarLayout& bar : layout.bars)
        drawBar(layout, pic, bar);
}
