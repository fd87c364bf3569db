#pragma once

#include <QString>

class ChartView;

// The canvas as screen readers meet it: a chart named by its title and described by its summary
// in words, whose segments, labels and legend keys are its children, the highlighted segment the
// focused one. Nothing of it is made until an assistive technology asks.

// Lets Qt's accessibility ask for the canvas as a chart; done once, whatever calls it.
void installChartAccessible();
// Before the chart drawn is replaced or forgotten: its parts leave the tree while they can still
// be read, a focus on one of them first moving to the chart, so that no event names a part that
// is gone.
void retireChartParts(ChartView* box);
// After: the chart's new name, description and parts, and the focus on the highlighted part.
void announceReading(ChartView* box);
// Tells assistive technology that the highlight moved: the focus moves to the new segment, so
// that its words are read.
void announceHighlight(ChartView* box);
// Tells assistive technology that the highlight could not move on, in `words`.
void announceEdge(ChartView* box, const QString& words);
