#include "cli/CommandLine.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

const QStringList SizeNames = {QStringLiteral("standard"), QStringLiteral("tall"),
                               QStringLiteral("wide")};
constexpr GraphSize Sizes[] = {GraphSize::Standard, GraphSize::Tall, GraphSize::Wide};

[[noreturn]] void usageError(const QCommandLineParser& parser, const QString& why) {
    std::fputs(qPrintable(why + QStringLiteral("\n\n") + parser.helpText()), stderr);
    std::exit(2);
}

std::optional<PictureFormat> formatNamed(const QString& name) {
    for (PictureFormat format : AllPictureFormats)
        if (pictureSuffix(format) == name)
            return format;
    return std::nullopt;
}

} // namespace

void prepareCommandLine(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("tallyfold"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(TallyfoldVersion));
    // The options that never open a window: --render with its own, whose misuse is a usage
    // error to print, and the texts.
    const std::string_view windowless[] = {"--render", "-o",       "--output",  "--pattern",
                                           "--size",   "--format", "--help",    "--help-all",
                                           "-h",       "-?",       "--version", "-v"};
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::string_view argument(argv[i]);
        const std::string_view option = argument.substr(0, argument.find('=')); // --size=tall
        if (std::ranges::find(windowless, option) != std::end(windowless))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

CommandLine parseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("量率グラフ: 10 行 12 列までの表から量率グラフを描きます。"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption render(
        QStringLiteral("render"),
        QStringLiteral("ウィンドウを開かずに、データファイルのグラフを画像ファイルに書きます。"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("書き出す画像ファイル。データファイルが複数のときは書き出すフォルダー。"),
        QStringLiteral("PATH"));
    const QCommandLineOption pattern(QStringLiteral("pattern"),
                                     QStringLiteral("白黒グラフを描きます (既定はカラー)。"));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QStringLiteral("グラフの大きさ: standard (標準、既定), tall (縦長), wide (横長)。"),
        QStringLiteral("SIZE"), SizeNames[0]);
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral(
            "画像の形式: bmp, png, svg, pdf (既定は出力ファイル名の拡張子、なければ png)。"),
        QStringLiteral("FORMAT"));
    parser.addOptions({render, output, pattern, size, format});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("開くデータファイル (.txt または .csv)。--render では描くデータファイル "
                       "(いくつでも)。"),
        QStringLiteral("[FILE...]"));

    if (!parser.parse(app.arguments()))
        usageError(parser, parser.errorText());
    parser.process(app); // --help and --version print and end here
    const QStringList files = parser.positionalArguments();

    if (!parser.isSet(render)) {
        for (const QCommandLineOption& option : {output, pattern, size, format})
            if (parser.isSet(option))
                usageError(parser, QStringLiteral("--%1 は --render と共に使います。")
                                       .arg(option.names().constLast()));
        if (files.size() > 1)
            usageError(parser, QStringLiteral("開けるデータファイルは一つだけです。"));
        return {files.value(0), std::nullopt};
    }

    RenderRequest request{files, parser.value(output), {}, std::nullopt};
    if (request.inputs.isEmpty())
        usageError(parser, QStringLiteral("--render には描くデータファイルが要ります。"));
    if (request.output.isEmpty())
        usageError(parser, QStringLiteral("--render には --output で書き出し先が要ります。"));
    const qsizetype sizeIndex = SizeNames.indexOf(parser.value(size));
    if (sizeIndex < 0)
        usageError(parser, QStringLiteral("--size は standard, tall, wide のどれかです。"));
    request.style = {parser.isSet(pattern), Sizes[sizeIndex]};
    if (parser.isSet(format)) {
        request.format = formatNamed(parser.value(format));
        if (!request.format)
            usageError(parser, QStringLiteral("--format は bmp, png, svg, pdf のどれかです。"));
    }
    return {QString(), request};
}
