#pragma once

#include <QString>

struct ChartLayout;

// What the chart was asked to show and does not, in one line of Japanese for the graph window and
// the command line: rows whose total is 0, and labels and totals shortened or left out for want of
// room. Empty where the chart shows everything.
QString chartNotice(const ChartLayout& layout);
