#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

CommandLine parseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("量率グラフ: 10 行 12 列までの表から量率グラフを描きます。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("開くデータファイル (.txt または .csv)"),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs(qPrintable(QStringLiteral("開けるデータファイルは一つだけです。\n\n") +
                              parser.helpText()),
                   stderr);
        std::exit(2);
    }
    return {files.value(0)};
}
