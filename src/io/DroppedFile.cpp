#include "io/DroppedFile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

std::optional<QString> droppedFile(const QMimeData* data, const QStringList& suffixes) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return std::nullopt;
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return std::nullopt;
    const QFileInfo file(url.toLocalFile());
    if (!file.isFile() || !suffixes.contains(file.suffix(), Qt::CaseInsensitive))
        return std::nullopt;
    return file.filePath();
}
