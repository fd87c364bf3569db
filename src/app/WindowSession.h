#pragma once

#include "app/EntryWindow.h"
#include "app/QtDialogs.h"
#include "app/RecoveryKeeper.h"

#include <QTranslator>

// Qt's own translation into Japanese, installed while it lives: the standard dialogs, buttons and
// context menus speak Japanese whatever the user's locale.
class QtJapanese : public QTranslator {
public:
    QtJapanese();
};

// Loads Qt's image-format plugins on another thread while the window is built. Fusion draws a
// group box's frame from a picture that it loads by name, and Qt then loads every image-format
// plugin to ask which reads it: a few milliseconds on the way to the first paint.
class ImagePluginsAside {
public:
    ImagePluginsAside();
};

// The program as it starts without a command: the entry window with its dialogs and recovery
// file, a leftover of a crash offered back, the window shown and a data file given opened. The
// program runs it, and the start-up benchmark measures it, so both start alike.
class WindowSession {
public:
    // `dataFile`: the file to open at once; none when empty.
    explicit WindowSession(const QString& dataFile);

    EntryWindow& window() { return window_; }

private:
    ImagePluginsAside imagePlugins_;
    QtJapanese qtJapanese_;
    QtDialogs dialogs_;
    EntryWindow window_{dialogs_};
    RecoveryKeeper recovery_;
};
