#pragma once

#include "graph/ChartReading.h"
#include "graph/ImageCanvas.h"

#include <QWidget>

#include <optional>
#include <utility>

// The canvas widget `Pic`: it owns the persistent picture and shows it; painting only copies the
// picture, so the drawing survives being covered. Beside the picture it keeps what the last chart
// drew, so that the chart answers: a tooltip over a segment, a label or a legend key, a highlight
// that the arrow keys move from segment to segment (drawn over the picture, never into it) and
// that stays on its segment when the chart is drawn again, and an accessible chart for screen
// readers. Its context menu (the right button, the Menu key or
// Shift+F10) is the owner's to show.
class ChartView : public QWidget {
    Q_OBJECT

public:
    ChartView(int widthTwips, int heightTwips, QRgb backColor, QWidget* parent = nullptr);

    ImageCanvas& canvas() { return canvas_; }
    const ImageCanvas& canvas() const { return canvas_; }

    // What the chart just drawn holds; clearing the canvas forgets it.
    void setReading(ChartReading reading);
    const std::optional<ChartReading>& reading() const { return reading_; }
    std::optional<ChartPlace> highlight() const { return highlight_; }
    // Counts the charts drawn and forgotten, so that what was made for one is not taken for the
    // next.
    int readingSerial() const { return readingSerial_; }
    // What the pointer at `position` (in the widget's pixels) is over, as its tooltip says it.
    QString tooltipAt(QPoint position) const;
    // The highlighted thing's box in the widget's pixels; empty without a highlight.
    QRect highlightRect() const;
    // A thing's box in the widget's pixels.
    QRect placeRect(const ChartPlace& place) const;

signals:
    // A chart was drawn, or the one drawn forgotten.
    void readingChanged();
    // The user asked for the chart's context menu, to show at `globalPos`, over `place` (the
    // thing under the pointer, or the highlight for the keyboard's menu).
    void menuRequested(QPoint globalPos, std::optional<ChartPlace> place);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void forgetReading();
    void moveHighlight(std::optional<ChartPlace> place);
    // The row and column of the highlighted segment, by which the next chart finds it again.
    std::optional<std::pair<int, int>> highlightedCell() const;
    // Where a menu asked for with the keyboard opens: at the highlight, else inside the chart.
    QPoint keyboardMenuPlace() const;

    ImageCanvas canvas_;
    std::optional<ChartReading> reading_;
    std::optional<ChartPlace> highlight_;
    int readingSerial_ = 0;
    // The highlighted segment's cell when the chart was forgotten: a chart is drawn on a canvas
    // cleared first, and the next chart highlights it again where it has a value.
    std::optional<std::pair<int, int>> forgottenCell_;
};
