#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

// The help window: the user's manual, built into the program, beside a list of its headings to
// jump to, and the version information. It belongs to the window it was opened from, so it
// closes with it, and each window opens at most one.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

private:
    void listHeadings();
    void jumpTo(int heading);

    QTextBrowser* manual_;
    QListWidget* headings_;
};

// Opens the manual for the window that `from` is in, or raises the one it has open.
void showManual(QWidget* from);
// F1 anywhere in `window` opens its manual.
void installHelpKey(QWidget* window);
