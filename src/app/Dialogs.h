#pragma once

struct RuntimeError;
class QWidget;

// The message boxes and dialogs of the program, behind an interface so that tests answer them
// without a screen.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Tells the user that an action failed, with the error's number and description.
    virtual void reportError(QWidget* parent, const RuntimeError& error) = 0;
};
