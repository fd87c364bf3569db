#pragma once

#include <QString>

#include <optional>

// Which format a file name chosen in a dialog means: its extension first, then the filter
// selected with it (from 1, in the order of the enumeration, then tab-separated text), so that a
// name typed without extension is saved as typed. Workbooks are only read; tab-separated text
// (.tsv) is read as CSV, whose reader finds its tabs.
enum class DataFormat { Text, Csv, Xlsx, Ods };
inline constexpr int TsvFilterIndex = 5;
DataFormat dataFormat(const QString& path, int filterIndex);

// The picture formats the chart is saved in, in the order of the save dialog's filters.
enum class PictureFormat { Bmp, Png, Svg, Pdf };
inline constexpr PictureFormat AllPictureFormats[] = {PictureFormat::Bmp, PictureFormat::Png,
                                                      PictureFormat::Svg, PictureFormat::Pdf};

PictureFormat pictureFormat(const QString& path, int filterIndex);
// The format the name's extension (any case) stands for, if it is one of them.
std::optional<PictureFormat> pictureFormatOfName(const QString& path);
// "bmp", "png", "svg" or "pdf": the extension, and the format's name on the command line.
QString pictureSuffix(PictureFormat format);
