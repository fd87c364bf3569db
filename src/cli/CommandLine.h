#pragma once

#include "cli/ChartRender.h"
#include "io/FileFormats.h"

#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

// `tallyfold --render DATAFILE... --output PATH [--pattern] [--size SIZE] [--format FORMAT]`:
// charts drawn into picture files without a window.
struct RenderRequest {
    QStringList inputs;
    QString output; // the picture file for one input; the folder for several
    ChartStyle style;
    std::optional<PictureFormat> format; // --format, if given
};

// What the program was started with: `tallyfold [FILE]` opens the entry window, or --render
// draws charts; --help and --version print and end.
struct CommandLine {
    QString dataFile; // a data file to open at start, as the load button would; empty for none
    std::optional<RenderRequest> render;
};

// Before the application is created: names the program and its version, and where the
// arguments hold an option that opens no window (--render and its options, --help, --version)
// selects the offscreen platform, so that no display is needed.
void prepareCommandLine(int argc, char* argv[]);

// Reads the application's arguments. --help and --version print their text and end the
// program with status 0; a usage error prints why and the help, and ends it with status 2.
CommandLine parseCommandLine(const QCoreApplication& app);
