#include "io/Clipboard.h"

#include "graph/ImageCanvas.h"
#include "io/ChartFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

Failure cannotOpen() {
    return {Action::CopyPicture, {}, QStringLiteral("クリップボードを開けません。")};
}

} // namespace

Result<void> copyPicture(const ImageCanvas& canvas) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return cannotOpen();
    clipboard->clear();
    auto* data = new QMimeData;
    data->setImageData(canvas.image());
    data->setData(QStringLiteral("image/svg+xml"), chartSvg(canvas));
    clipboard->setMimeData(data); // the clipboard takes it over
    const QMimeData* offered = clipboard->mimeData();
    if (!offered || !offered->hasImage())
        return cannotOpen();
    return {};
}
