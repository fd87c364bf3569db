#pragma once

#include "data/EntryGrid.h"
#include "io/FileFormats.h"

#include <QString>

// A table file from outside (CSV, an .xlsx or .ods workbook) read and laid onto the entry grid,
// the one way in for the window and the command line alike. Why it cannot be loaded, the file's
// own fault or one of reading it, is in the layout's refusal.
GridLayout loadGridFile(const QString& path, DataFormat format);
