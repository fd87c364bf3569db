#pragma once

#include <QString>

// Which format a file name chosen in a dialog means: its extension first, then the filter
// selected with it (from 1), so that a name typed without extension is saved as typed.
enum class DataFormat { Text, Csv };
DataFormat dataFormat(const QString& path, int filterIndex);
