#pragma once

#include <QString>

// The program's windows as screen readers meet them: frames, named by the program, the window and
// the file (「量率グラフ — table.csv」) while their captions stay as they are, and without the
// entry window's decorative lines.

// Lets Qt's accessibility ask for the program's windows as frames; done once, whatever calls it.
void installWindowAccessible();
// The name of the window `window` (none for the entry window) that shows the table of `file`.
QString windowAccessibleName(const QString& window, const QString& file);
