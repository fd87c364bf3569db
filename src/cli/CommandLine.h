#pragma once

#include "cli/ChartRender.h"
#include "cli/InputList.h"
#include "io/FileFormats.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// `--shard K/N`: of the data files, those whose position in the list (from 0) leaves K-1 when
// divided by N, so that N runs with K = 1..N share a list out.
struct Shard {
    int index = 1; // K, from 1
    int count = 1; // N
};

// When the progress of a batch is shown on standard error.
enum class ShowProgress { Never, OnTerminal, Always };

// `tallyfold --render [DATAFILE...] [--from-file LIST [--null]] --output PATH [--pattern]
// [--size SIZE] [--format FORMAT] [--values] [--percent] [--totals] [--sort ORDER] [--jobs N]
// [--shard K/N] [--skip-existing] [--report FILE] [--progress | --progress-always]
// [--sheet SHEET] [--strict] [--palette PALETTE] [--dpi N] [--paper PAPER [--landscape]
// [--fit | --centre]]`: charts drawn into picture files without a window; a data file `-` is read
// from standard input.
struct RenderRequest {
    QStringList inputs;
    // A file that names further data files, one a line (`-` for standard input).
    std::optional<QString> inputList;
    // The picture file for one input (`-` for standard output); the folder for several.
    QString output;
    ChartStyle style;
    std::optional<PictureFormat> format; // --format, if given
    int jobs = 1;                        // charts drawn at the same time
    bool nullSeparated = false;          // --null: the list's names end with NUL
    Shard shard;
    bool skipExisting = false;     // a picture already whole is left as it is
    std::optional<QString> report; // --report: a JSON line a data file (`-`: standard output)
    ShowProgress progress = ShowProgress::Never;
    TableReading reading;    // --sheet and --strict
    PictureSettings picture; // --dpi, and --paper with its orientation and placement
};

// `tallyfold [FILE]`: the entry window.
struct OpenWindow {
    QString dataFile; // a data file to open at start, as the load button would; empty for none
};

// A command line answered without a window or a chart: --help and --version, printed on standard
// output with status 0, or a usage error with the help, on standard error with status 2.
struct Answer {
    QString text;
    int status = 0;
};

// What the program was started to do.
using CommandLine = std::variant<OpenWindow, RenderRequest, Answer>;

// Reads the arguments before the application is created, so that a run without a window needs
// no display. Names the program and its version, and for --render selects the offscreen platform
// and keeps Qt's warnings about a missing runtime folder off standard error. Opening the window
// without a display to show it on is a usage error.
CommandLine parseCommandLine(int argc, char* argv[]);

// Prints the answer where it belongs; returns its exit status.
int printAnswer(const Answer& answer);
