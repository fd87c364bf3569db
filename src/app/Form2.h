#pragma once

#include "graph/GraphSize.h"

#include <QWidget>

class ImageCanvas;
class PictureBox;

// The graph window: one canvas `Pic` at the top-left of its client area, nothing else. It
// deletes itself when closed, so its drawing and heights are discarded with it.
class Form2 : public QWidget, public GraphSurface {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    Canvas& canvas() override;
    ImageCanvas& picture();
    PictureBox& pictureBox() { return *pic_; }
    // The outer height is the client height plus the frame the window manager adds; where the
    // frame is not known yet (hidden, no window manager) it counts as 425 twips.
    void setWindowHeight(int twips) override;
    int windowHeight() const;

    static constexpr int ClientWidth = 6870;
    static constexpr int ClientHeight = 7890;
    static constexpr int UnknownFrameHeight = 425;

signals:
    // A picture file was dropped on the window, to be loaded as the background picture.
    void pictureDropped(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int frameHeight() const;

    PictureBox* pic_;
};
