#pragma once

#include <QLineEdit>
#include <QPalette>

// A value box of the entry grid: it takes direct half-width keyboard input, so it refuses the
// input method. QLineEdit answers ImEnabled from its own state whatever WA_InputMethodEnabled
// says, hence the override. While it holds a text that does not read wholly as a number, it is
// tinted and its tooltip says which number the chart draws instead; no message interrupts the
// typing.
class ValueBox : public QLineEdit {
    Q_OBJECT

public:
    explicit ValueBox(QWidget* parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool isMarked() const { return marked_; }

private:
    void mark(const QString& text);

    bool marked_ = false;
    QPalette unmarked_; // the box's own colours, while it is marked
};
