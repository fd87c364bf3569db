#pragma once

#include <QString>

class QCoreApplication;

// What the program was started with: `tallyfold [FILE]`, plus --help and --version.
struct CommandLine {
    QString dataFile; // a data file to open at start, as the load button would; empty for none
};

// Reads the application's arguments; --help, --version and a usage error print their text and
// end the program.
CommandLine parseCommandLine(const QCoreApplication& app);
