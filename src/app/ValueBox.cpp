#include "app/ValueBox.h"

#include "data/DisplayNumber.h"
#include "data/NumberFormat.h"
#include "data/NumericPrefix.h"
#include "data/RuntimeError.h"

ValueBox::ValueBox(QWidget* parent)
    : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, &ValueBox::mark);
}

void ValueBox::mark(const QString& text) {
    const bool unreadable = !text.trimmed().isEmpty() && !plainNumber(text);
    if (unreadable && !marked_) {
        unmarked_ = palette();
        QPalette tinted = unmarked_;
        tinted.setColor(QPalette::Base, QColor(255, 220, 220));
        setPalette(tinted);
    } else if (!unreadable && marked_) {
        setPalette(unmarked_);
    }
    marked_ = unreadable;
    if (!unreadable) {
        setToolTip({});
        return;
    }
    QString drawn;
    try {
        drawn =
            QStringLiteral("グラフでは %1 として描きます").arg(generalNumber(numericPrefix(text)));
    } catch (const RuntimeError&) {
        drawn = QStringLiteral("大きすぎてグラフには描けません");
    }
    setToolTip(QStringLiteral("数値として読めません。") + drawn);
}

QVariant ValueBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}
