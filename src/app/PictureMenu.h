#pragma once

#include "io/PictureSettings.h"

#include <functional>

class QMenu;

// The picture items of the chart's context menu: the resolution that グラフの保存 draws PNG and
// BMP files at. Each choice hands on the settings in force with its one change.
void addPictureMenu(QMenu& menu, const PictureSettings& settings,
                    const std::function<void(const PictureSettings&)>& change);
