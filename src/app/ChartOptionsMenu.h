#pragma once

#include "graph/ChartOptions.h"
#include "io/ChartSettings.h"

#include <QString>

#include <array>
#include <functional>

class QMenu;
class QWidget;

// What the chart's context menu does: a changed option, the data table asked for, or a column's
// colour (1 to 12) to be chosen.
struct ChartMenuActions {
    std::function<void(const ChartOptions&)> changeOptions;
    std::function<void()> showDataTable;
    std::function<void(int column)> chooseColour;
};

// The chart's context menu, built from the options in force and the column labels as typed:
// the values, shares and totals to show, the bars' order (the input's, the totals', or the share
// of a labelled column), the palette and the columns' colours, the data table, the manual and the
// version information. It deletes itself once closed.
QMenu* chartOptionsMenu(const ChartOptions& options, const std::array<QString, 12>& columnLabels,
                        const ChartMenuActions& actions, QWidget* parent);
