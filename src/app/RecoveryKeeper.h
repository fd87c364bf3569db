#pragma once

#include "io/RecoveryStore.h"

#include <QObject>
#include <QTimer>

class Dialogs;
class Form1;

// Keeps what the entry window holds in a recovery file while the program runs: a change is on
// disk within a second, and when the session manager asks. At start it offers back what an
// instance that ended without saving left; ending the work removes the file.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    RecoveryKeeper(Form1& window, Dialogs& dialogs, const QString& folder);

    // Asks about a leftover, if there is one, then keeps every change from now on.
    void start();

private:
    void offerLeftover();
    void writeNow();

    Form1& window_;
    Dialogs& dialogs_;
    RecoveryStore store_;
    QTimer delay_;
};
