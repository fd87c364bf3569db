#include "io/FileFormats.h"

DataFormat dataFormat(const QString& path, int filterIndex) {
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return DataFormat::Csv;
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return DataFormat::Text;
    return filterIndex == 2 ? DataFormat::Csv : DataFormat::Text;
}
