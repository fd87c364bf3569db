#include "app/GraphWindow.h"

#include "app/ChartView.h"
#include "app/DataTableWindow.h"
#include "app/HelpWindow.h"
#include "app/WindowAccessible.h"
#include "graph/ChartNotice.h"
#include "graph/Twips.h"
#include "io/DroppedFile.h"

#include <QDropEvent>
#include <QImageReader>
#include <QLabel>

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
    , pic_(new ChartView(NewCanvasWidth, NewCanvasHeight, NewCanvasColour, this))
    , notice_(new QLabel(this)) {
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
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setWordWrap(true);
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice_->hide();
    connect(pic_, &ChartView::readingChanged, this, [this] {
        told_.clear();
        showNotice();
    });
    installHelpKey(this);
}

QString GraphWindow::notice() const {
    return notice_->text();
}

void GraphWindow::showNotice() {
    const std::optional<ChartReading>& reading = pic_->reading();
    QStringList parts;
    for (const QString& part : {told_, reading ? chartNotice(reading->layout()) : QString()})
        if (!part.isEmpty())
            parts << part;
    const QString text = parts.join(u'\n');
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
    placeNotice();
}

void GraphWindow::tell(const QString& text) {
    told_ = text;
    showNotice();
}

// Under the canvas, the window growing where the line would not show whole.
void GraphWindow::placeNotice() {
    if (notice_->isHidden())
        return;
    const int top = pic_->height();
    const int height = notice_->heightForWidth(width());
    notice_->setGeometry(0, top, width(), height);
    if (this->height() < top + height)
        resize(width(), top + height);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeNotice();
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
