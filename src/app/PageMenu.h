#pragma once

#include "io/PageSetup.h"

#include <functional>

class QMenu;

// The page setup items of the chart's context menu, ページ設定: the paper that printing and a
// saved PDF use, its orientation and where the chart lies on it; orientation and placement wait
// for a paper. Each choice hands on the setup in force with its one change.
void addPageMenu(QMenu& menu, const PageSetup& setup,
                 const std::function<void(const PageSetup&)>& change);
