#pragma once

#include <QString>

class QWidget;

// The version information: the program's name, version and licence and the libraries it runs
// with, for a user who reports a problem.
QString aboutText();

// Shows the version information over `parent`, without waiting for it to be closed.
void showAbout(QWidget* parent);
