#pragma once

struct ChartLayout;
class Canvas;

// Draws a laid-out chart onto the canvas: scale, title, legend, unit, source, note and author,
// then the grand total and the bars top to bottom, each with its numbers, its label's leader, its
// label and its total where the layout has them, in the labels' font where it shrank. A colour bar fills
// its twelve segments, then outlines them; a black-and-white bar fills and outlines each segment
// in one operation at line width 2, which row 1 sets even when it has no bar. Where the layout
// failed, what comes before is drawn.
void drawChartLayout(const ChartLayout& layout, Canvas& pic);
