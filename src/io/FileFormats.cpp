#include "io/FileFormats.h"

#include <iterator>

DataFormat dataFormat(const QString& path, int filterIndex) {
    constexpr DataFormat Formats[] = {DataFormat::Text, DataFormat::Csv, DataFormat::Xlsx,
                                      DataFormat::Ods};
    const char* const suffixes[] = {".txt", ".csv", ".xlsx", ".ods"};
    for (std::size_t i = 0; i < std::size(Formats); ++i)
        if (path.endsWith(QLatin1String(suffixes[i]), Qt::CaseInsensitive))
            return Formats[i];
    if (path.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive))
        return DataFormat::Csv;
    if (filterIndex >= 1 && filterIndex <= static_cast<int>(std::size(Formats)))
        return Formats[filterIndex - 1];
    if (filterIndex == TsvFilterIndex)
        return DataFormat::Csv;
    return DataFormat::Text;
}

QString pictureSuffix(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png:
        return QStringLiteral("png");
    case PictureFormat::Svg:
        return QStringLiteral("svg");
    case PictureFormat::Pdf:
        return QStringLiteral("pdf");
    case PictureFormat::Bmp:
        break;
    }
    return QStringLiteral("bmp");
}

std::optional<PictureFormat> pictureFormatOfName(const QString& path) {
    for (PictureFormat format : AllPictureFormats)
        if (path.endsWith(QLatin1Char('.') + pictureSuffix(format), Qt::CaseInsensitive))
            return format;
    return std::nullopt;
}

PictureFormat pictureFormat(const QString& path, int filterIndex) {
    if (const std::optional<PictureFormat> named = pictureFormatOfName(path))
        return *named;
    if (filterIndex >= 1 && filterIndex <= static_cast<int>(std::size(AllPictureFormats)))
        return AllPictureFormats[filterIndex - 1];
    return PictureFormat::Bmp;
}
