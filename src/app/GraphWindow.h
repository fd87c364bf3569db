#pragma once

#include "graph/GraphSize.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class DataTableWindow;
class ImageCanvas;
class ChartView;
class QLabel;

// The graph window: one canvas `Pic` at the top-left of its client area, under it a line that
// tells what the chart was asked to show and does not (only while there is something to tell),
// and the data table of its chart in a window of its own. It deletes itself when closed, so its
// drawing, heights and data table are discarded with it.
class GraphWindow : public QWidget, public GraphSurface {
    Q_OBJECT

public:
    explicit GraphWindow(QWidget* parent = nullptr);

    Canvas& canvas() override;
    ImageCanvas& picture();
    ChartView& chartView() { return *pic_; }
    // The outer height is the client height plus the frame the window manager adds; where the
    // frame is not known yet (hidden, no window manager) it counts as 425 twips.
    void setWindowHeight(int twips) override;
    int windowHeight() const;
    // Shows the chart's data table, opening it when it is not open.
    void showDataTable();
    // The file whose table the chart shows, as screen readers name the window and its table.
    void setFile(const QString& file);
    // What the chart shown leaves out, after what the window was told since the chart was drawn,
    // as the window tells it; empty for nothing.
    QString notice() const;
    // Tells `text` under the chart until the next chart is drawn or forgotten.
    void tell(const QString& text);

    static constexpr int ClientWidth = 6870;
    static constexpr int ClientHeight = 7890;
    static constexpr int UnknownFrameHeight = 425;

signals:
    // A picture file was dropped on the window, to be loaded as the background picture.
    void pictureDropped(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int frameHeight() const;
    void showNotice();
    void placeNotice();

    ChartView* pic_;
    QLabel* notice_;
    QPointer<DataTableWindow> dataTable_;
    QString file_;
    QString told_;
};
