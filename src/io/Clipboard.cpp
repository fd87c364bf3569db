#include "io/Clipboard.h"

#include "data/RuntimeError.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

void copyPicture(const QImage& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw RuntimeError::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasImage())
        throw RuntimeError::clipboard();
}
