#pragma once

#include <QWidget>

// A straight decorative line between two points of the window, drawn in one colour; it covers
// the box spanned by its end points and lets clicks through.
class LeaderLine : public QWidget {
    Q_OBJECT

public:
    LeaderLine(QPoint from, QPoint to, QColor colour, QWidget* parent);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    QColor colour_;
};
