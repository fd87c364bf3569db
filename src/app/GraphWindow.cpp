#include "app/GraphWindow.h"

#include "app/ChartView.h"
#include "app/DataTableWindow.h"
#include "app/WindowAccessible.h"
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

GraphWindow::GraphWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , pic_(new ChartView(NewCanvasWidth, NewCanvasHeight, NewCanvasColour, this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("量率グラフ"));
    installWindowAccessible();
    setFile({});
    setAttribute(Qt::WA_DeleteOnClose);
    // The chart answers the pointer while the entry window has the focus, too.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    resize(toPixels(ClientWidth), toPixels(ClientHeight));
    pic_->move(0, 0);
    setAcceptDrops(true);
}

void GraphWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData(), pictureSuffixes()))
        event->acceptProposedAction();
}

void GraphWindow::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> path = droppedFile(event->mimeData(), pictureSuffixes())) {
        event->acceptProposedAction();
        emit pictureDropped(*path);
    }
}

Canvas& GraphWindow::canvas() {
    return pic_->canvas();
}

ImageCanvas& GraphWindow::picture() {
    return pic_->canvas();
}

void GraphWindow::showDataTable() {
    if (!dataTable_) {
        dataTable_ = new DataTableWindow(*pic_, this);
        setFile(file_);
    }
    dataTable_->show();
    dataTable_->raise();
    dataTable_->activateWindow();
}

void GraphWindow::setFile(const QString& file) {
    file_ = file;
    setAccessibleName(windowAccessibleName(QStringLiteral("図"), file));
    if (dataTable_)
        dataTable_->setAccessibleName(windowAccessibleName(QStringLiteral("データ表"), file));
}

int GraphWindow::frameHeight() const {
    const int frame = frameGeometry().height() - geometry().height();
    return isVisible() && frame > 0 ? frame * TwipsPerPixel : UnknownFrameHeight;
}

void GraphWindow::setWindowHeight(int twips) {
    resize(width(), toPixels(twips - frameHeight()));
}

int GraphWindow::windowHeight() const {
    return height() * TwipsPerPixel + frameHeight();
}
