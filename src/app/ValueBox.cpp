#include "app/ValueBox.h"

ValueBox::ValueBox(QWidget* parent)
    : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QVariant ValueBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}
