#pragma once

#include <QLineEdit>

// A value box of the entry grid: it takes direct half-width keyboard input, so it refuses the
// input method. QLineEdit answers ImEnabled from its own state whatever WA_InputMethodEnabled
// says, hence the override.
class ValueBox : public QLineEdit {
    Q_OBJECT

public:
    explicit ValueBox(QWidget* parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};
