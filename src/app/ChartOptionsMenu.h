#pragma once

#include "graph/ChartOptions.h"

#include <QString>

#include <array>
#include <functional>

class QMenu;
class QWidget;

// The chart's options as the user chose them last, kept in the user's settings between sessions.
ChartOptions savedChartOptions();
void saveChartOptions(const ChartOptions& options);

// What the chart's context menu does: a changed option, or the data table asked for.
struct ChartMenuActions {
    std::function<void(const ChartOptions&)> changeOptions;
    std::function<void()> showDataTable;
};

// The chart's context menu, built from the options in force and the column labels as typed:
// the values, shares and totals to show, the bars' order (the input's, the totals', or the share
// of a labelled column), the data table, the manual and the version information. It deletes
// itself once closed.
QMenu* chartOptionsMenu(const ChartOptions& options, const std::array<QString, 12>& columnLabels,
                        const ChartMenuActions& actions, QWidget* parent);
