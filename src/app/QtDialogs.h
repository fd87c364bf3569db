#pragma once

#include "app/Dialogs.h"

// The dialogs as the user sees them: Qt's message boxes and file dialogs.
class QtDialogs : public Dialogs {
public:
    void reportError(QWidget* parent, const RuntimeError& error) override;
};
