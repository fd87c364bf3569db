#pragma once

class ChartView;

// The canvas as screen readers meet it: a chart named by its title and described by its summary
// in words, whose highlighted segment is its focused child, read as its tooltip reads.

// Lets Qt's accessibility ask for the canvas as a chart; done once, whatever calls it.
void installChartAccessible();
// Tells assistive technology that the chart's name and description changed: a chart was drawn or
// erased.
void announceReading(ChartView* box);
// Tells assistive technology that the highlight moved, so that it reads the new segment.
void announceHighlight(ChartView* box);
