#include "app/QtDialogs.h"

#include "data/RuntimeError.h"

#include <QMessageBox>

void QtDialogs::reportError(QWidget* parent, const RuntimeError& error) {
    QMessageBox::critical(parent, QStringLiteral("Tallyfold"), error.message());
}
