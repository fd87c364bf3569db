#pragma once

#include "cli/ChartRender.h"
#include "io/FileFormats.h"

#include <QString>
#include <QStringList>

#include <optional>

// `tallyfold --render DATAFILE... --output PATH [--pattern] [--size SIZE] [--format FORMAT]`:
// charts drawn into picture files without a window.
struct RenderRequest {
    QStringList inputs;
    // The picture file for one input (`-` for standard output); the folder for several.
    QString output;
    ChartStyle style;
    std::optional<PictureFormat> format; // --format, if given
};

// What the program was started with: `tallyfold [FILE]` opens the entry window, or --render
// draws charts.
struct CommandLine {
    QString dataFile; // a data file to open at start, as the load button would; empty for none
    std::optional<RenderRequest> render;
    // Set when the command line has been answered already and the program ends with this status:
    // 0 after printing --help or --version, 2 after printing a usage error with the help.
    std::optional<int> exitStatus;
};

// Reads the arguments before the application is created, so that a run without a window needs
// no display; prints --help, --version and usage errors. Names the program and its version, and
// for --render selects the offscreen platform and keeps Qt's warnings about a missing runtime
// folder off standard error. Opening the window without a display to show it on is a usage
// error.
CommandLine parseCommandLine(int argc, char* argv[]);
