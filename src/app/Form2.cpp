#include "app/Form2.h"

#include "app/DataTableWindow.h"
#include "app/PictureBox.h"
#include "graph/Twips.h"
#include "io/DroppedFile.h"

#include <QDropEvent>
#include <QImageReader>

namespace {
// The suffixes of the picture formats Qt reads here.
QStringList pictureSuffixes() {
    QStringList suffixes;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        suffixes << QString::fromLatin1(format);
    suffixes << QStringLiteral("jpg"); // Qt names the format "jpeg"
    return suffixes;
}
} // namespace

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , pic_(new PictureBox(NewCanvasWidth, NewCanvasHeight, NewCanvasColour, this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("量率グラフ"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The chart answers the pointer while the entry window has the focus, too.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    resize(toPixels(ClientWidth), toPixels(ClientHeight));
    pic_->move(0, 0);
    setAcceptDrops(true);
}

void Form2::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData(), pictureSuffixes()))
        event->acceptProposedAction();
}

void Form2::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> path = droppedFile(event->mimeData(), pictureSuffixes())) {
        event->acceptProposedAction();
        emit pictureDropped(*path);
    }
}

Canvas& Form2::canvas() {
    return pic_->canvas();
}

ImageCanvas& Form2::picture() {
    return pic_->canvas();
}

void Form2::showDataTable() {
    if (!dataTable_)
        dataTable_ = new DataTableWindow(*pic_, this);
    dataTable_->show();
    dataTable_->raise();
    dataTable_->activateWindow();
}

int Form2::frameHeight() const {
    const int frame = frameGeometry().height() - geometry().height();
    return isVisible() && frame > 0 ? frame * TwipsPerPixel : UnknownFrameHeight;
}

void Form2::setWindowHeight(int twips) {
    resize(width(), toPixels(twips - frameHeight()));
}

int Form2::windowHeight() const {
    return height() * TwipsPerPixel + frameHeight();
}
