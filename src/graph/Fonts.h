#pragma once

#include "graph/Canvas.h"

#include <QFont>

struct TextMetrics;

// The Windows families the windows were designed in, mapped once to their installed equivalents
// for the fonts that keep a Windows name (the chart's): "ＭＳ Ｐゴシック" to IPAPGothic,
// "Times New Roman" to Liberation Serif and "Century" to C059.
void registerFontSubstitutes();

inline const QString GothicFamily = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString SerifFamily = QStringLiteral("Times New Roman");
inline const QString CenturyFamily = QStringLiteral("Century");

// A 9-point font of the family's installed equivalent, for the controls of the windows. Asked
// for by the Windows name, a font costs Qt a vain search of its database and of fontconfig's
// fallbacks for every script the window shows, a sixth of the window's start-up instructions.
QFont ninePointFont(const QString& family);

// The font of the chart's texts: 9 points at 96 dots per inch (or `size` twips high), whatever
// the screen says, so the picture does not depend on the screen. It keeps the Windows name,
// which SVG files name.
QFont chartFont(int size = CanvasFontSize);

// The chart font's measures at `size`, for a canvas `canvasWidth` twips wide.
TextMetrics chartTextMetrics(int canvasWidth, int size = CanvasFontSize);
