#pragma once

#include <QFont>

struct TextMetrics;

// The fonts the windows ask for by their Windows names, mapped once to the installed
// equivalents: "ＭＳ Ｐゴシック" to IPAPGothic, "Times New Roman" to Liberation Serif and
// "Century" to C059.
void registerFontSubstitutes();

inline const QString GothicFamily = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString SerifFamily = QStringLiteral("Times New Roman");
inline const QString CenturyFamily = QStringLiteral("Century");

// A 9-point font of the family, for the controls of the windows.
QFont ninePointFont(const QString& family);

// The font of the chart's texts: 9 points at 96 dots per inch, whatever the screen says, so the
// picture does not depend on the screen.
QFont chartFont();

// The chart font's measures, for a canvas `canvasWidth` twips wide.
TextMetrics chartTextMetrics(int canvasWidth);
