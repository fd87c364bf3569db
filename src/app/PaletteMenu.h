#pragma once

#include "app/ChartOptionsMenu.h"

#include <QString>

#include <array>

class QMenu;
class QWidget;

// The palette submenu of the chart's context menu: the palettes to choose from, and a colour of
// each column to choose, which puts the user's colours in force.
void addPaletteMenu(QMenu& menu, const ChartOptions& options,
                    const std::array<QString, 12>& columnLabels, const ChartMenuActions& actions);

// The context menu of a legend key: its column's colour to choose. It deletes itself once closed.
QMenu* keyMenu(int column, const QString& label, const ChartMenuActions& actions, QWidget* parent);

// How a column is named in menus and dialogs: its label as typed, else its number.
QString columnName(int column, const QString& label);
