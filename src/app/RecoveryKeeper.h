#pragma once

#include "io/RecoveryStore.h"

#include <QObject>
#include <QTimer>

class Dialogs;
class EntryWindow;

// Keeps the entry window's document in a recovery file while the program runs: a change is on
// disk within a second, and when the session manager asks. At start it offers back what an
// instance that ended without saving left, the newest first: restored or discarded it goes,
// and answered later (Escape) it stays for the next start. Ending the work removes the file.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    RecoveryKeeper(EntryWindow& window, Dialogs& dialogs, const QString& folder);

    // Asks about a leftover, if there is one, then keeps every change from now on.
    void start();
    // Opens the data file named at start, unless a leftover was brought back: that input stays,
    // and the user is told which file was not opened.
    void openNamedFile(const QString& path);

private:
    bool offerLeftover();
    void writeNow();

    EntryWindow& window_;
    Dialogs& dialogs_;
    RecoveryStore store_;
    QTimer delay_;
    bool restored_ = false;
};
