#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

// The texts of the command line, all in Japanese: QCommandLineParser writes its help and its
// errors in English unless Qt's own translation happens to be installed.

// The usage, the options with their descriptions, and the file argument.
QString helpText(const QList<QCommandLineOption>& options);

// Why the parser refused the arguments: an unknown option, or an option without its value or
// with one it does not take.
QString parseErrorText(const QCommandLineParser& parser);
