#include "cli/CommandLine.h"

#include "cli/CommandLineHelp.h"
#include "cli/OutputFile.h"
#include "data/DataTable.h"
#include "graph/SizeName.h"
#include "io/ChartSettings.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>

namespace {

// More charts at once than any machine has cores would only cost memory.
constexpr int MaxJobs = 1024;

Answer usageError(const QString& why, const QList<QCommandLineOption>& options) {
    return {why + QStringLiteral("\n\n") + helpText(options), 2};
}

std::optional<PictureFormat> formatNamed(const QString& name) {
    for (PictureFormat format : AllPictureFormats)
        if (pictureSuffix(format).compare(name, Qt::CaseInsensitive) == 0)
            return format;
    return std::nullopt;
}

// The bars' order by its name: input, total, or a column's letter (A to L) for its shares.
std::optional<ChartOptions> orderNamed(const QString& name) {
    ChartOptions options;
    if (name == QLatin1String("input"))
        return options;
    if (name == QLatin1String("total")) {
        options.order = BarOrder::Total;
        return options;
    }
    if (name.size() != 1)
        return std::nullopt;
    const int column = name.at(0).toUpper().unicode() - u'A' + 1;
    if (column < 1 || column > DataTable::DataColumns)
        return std::nullopt;
    options.order = BarOrder::ColumnShare;
    options.sortColumn = column;
    return options;
}

// "K/N" with 1 <= K <= N.
std::optional<Shard> shardNamed(const QString& name) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^(\\d{1,9})/(\\d{1,9})$")).match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const Shard shard{match.captured(1).toInt(), match.captured(2).toInt()};
    if (shard.index < 1 || shard.index > shard.count)
        return std::nullopt;
    return shard;
}

// Whether Qt can show a window: a display to connect to, or a platform that needs none.
bool canShowWindows() {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM"); // "wayland;xcb"
    for (QStringView platform : QStringView(platforms).split(u';')) {
        const QStringView name = platform.left(platform.indexOf(u':')); // "offscreen:fontengine=…"
        if (!name.isEmpty() && name != u"xcb" && !name.startsWith(u"wayland"))
            return true;
    }
    return false;
}

QtMessageHandler qtMessages = nullptr;

// Qt warns on start when the session has no runtime folder (XDG_RUNTIME_DIR unset), looking for
// a sandbox's marker file there; a chart drawn offscreen needs none, and a script reading
// standard error should find only the failures.
void dropRuntimeFolderWarnings(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths:")))
        qtMessages(type, context, message);
}

} // namespace

CommandLine parseCommandLine(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("tallyfold"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(TallyfoldVersion));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この説明を表示して終わります。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示して終わります。"));
    const QCommandLineOption render(
        QStringLiteral("render"),
        QStringLiteral("ウィンドウを開かずに、データファイルのグラフを画像ファイルに書きます。"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("書き出す画像ファイル (- で標準出力)。"
                       "データファイルが複数のときは書き出すフォルダー。"),
        QStringLiteral("PATH"));
    const QCommandLineOption pattern(QStringLiteral("pattern"),
                                     QStringLiteral("白黒グラフを描きます (既定はカラー)。"));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QStringLiteral("グラフの大きさ: standard (標準、既定), tall (縦長), wide (横長)。"),
        QStringLiteral("SIZE"), sizeName(GraphSize::Standard));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral(
            "画像の形式: bmp, png, svg, pdf (大文字でも可。既定は出力ファイル名の拡張子、"
            "なければ png)。"),
        QStringLiteral("FORMAT"));
    const QCommandLineOption values(QStringLiteral("values"),
                                    QStringLiteral("区画ごとの値をグラフに書きます。"));
    const QCommandLineOption percent(QStringLiteral("percent"),
                                     QStringLiteral("区画ごとの行の中の割合をグラフに書きます。"));
    const QCommandLineOption totals(
        QStringLiteral("totals"),
        QStringLiteral("行の見出しの下に行の合計と総計の中の割合を書きます。"));
    const QCommandLineOption sort(
        QStringLiteral("sort"),
        QStringLiteral("帯の並べ方: input (表の順、既定), total (合計の大きい順), "
                       "A から L (その列の割合の大きい順、小文字でも可)。"),
        QStringLiteral("ORDER"), QStringLiteral("input"));
    const QCommandLineOption palette(
        QStringLiteral("palette"),
        QStringLiteral("カラーグラフの色: standard (標準、既定), cud (カラーユニバーサルデザイン), "
                       "user (ウィンドウで選んだ色)。"),
        QStringLiteral("PALETTE"), QStringLiteral("standard"));
    const QCommandLineOption dpi(
        QStringLiteral("dpi"),
        QStringLiteral("PNG と BMP の解像度 (%1 から %2 まで。既定は %3)。文字も線もその解像度で"
                       "描きます。")
            .arg(PictureSettings::MinDpi)
            .arg(PictureSettings::MaxDpi)
            .arg(PictureSettings::ScreenDpi),
        QStringLiteral("N"));
    const QCommandLineOption paper(
        QStringLiteral("paper"),
        QStringLiteral(
            "PDF を用紙に描きます: a4, a3, b4, b5 (B4 と B5 は JIS), letter。"
            "グラフは実寸で左上に置きます。既定は用紙なしで、ページはグラフの大きさです。"),
        QStringLiteral("PAPER"));
    const QCommandLineOption landscape(QStringLiteral("landscape"),
                                       QStringLiteral("--paper の用紙を横向きにします。"));
    const QCommandLineOption fit(
        QStringLiteral("fit"),
        QStringLiteral("グラフを縦横比を保って --paper の用紙の余白 10 mm の内側いっぱいに、"
                       "中央に描きます。"));
    const QCommandLineOption centre(
        QStringLiteral("centre"),
        QStringLiteral("グラフを実寸で --paper の用紙の中央に描きます。"));
    const QCommandLineOption fromFile(
        QStringLiteral("from-file"),
        QStringLiteral("描くデータファイルの名前を一行に一つずつ書いたファイル (- で標準入力)。"),
        QStringLiteral("LIST"));
    const QCommandLineOption jobs(
        QStringLiteral("jobs"),
        QStringLiteral("同時に描くグラフの数 (1 から %1 まで。既定は CPU のコア数)。").arg(MaxJobs),
        QStringLiteral("N"));
    const QCommandLineOption null(
        {QStringLiteral("0"), QStringLiteral("null")},
        QStringLiteral("--from-file のリストの名前が改行でなく NUL で終わります (find -print0 の"
                       "形。名前に改行を含められます)。"));
    const QCommandLineOption shard(
        QStringLiteral("shard"),
        QStringLiteral("データファイルのうち、0 から数えた位置を N で割った余りが K-1 のものだけを"
                       "描きます (K は 1 から N)。"),
        QStringLiteral("K/N"));
    const QCommandLineOption skipExisting(
        QStringLiteral("skip-existing"),
        QStringLiteral("完全な画像ファイルがすでにあるグラフは描かずにそのままにします。"));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("データファイルごとの結果を JSON で一行ずつ書くファイル (- で標準出力)。"),
        QStringLiteral("FILE"));
    const QCommandLineOption progress(
        QStringLiteral("progress"),
        QStringLiteral("標準エラーが端末なら、進み具合を一行で表示します。"));
    const QCommandLineOption progressAlways(
        QStringLiteral("progress-always"),
        QStringLiteral("標準エラーが端末でなくても、進み具合を数秒ごとに一行書きます。"));
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        QStringLiteral("ブックから読むシートの名前、または表示されているシートの何枚目か "
                       "(1 から)。既定は表のある最初のシート。"),
        QStringLiteral("SHEET"));
    const QCommandLineOption strict(
        QStringLiteral("strict"),
        QStringLiteral("数値として読めない値のあるデータファイルはグラフにせず、失敗とします。"));
    const QList<QCommandLineOption> options = {
        help,           version, render, output,  fromFile, null,  pattern,      size,   format,
        values,         percent, totals, sort,    jobs,     shard, skipExisting, report, progress,
        progressAlways, sheet,   strict, palette, dpi,      paper, landscape,    fit,    centre};

    QCommandLineParser parser;
    parser.addOptions(options);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments))
        return usageError(parseErrorText(parser), options);
    if (parser.isSet(help))
        return Answer{helpText(options)};
    if (parser.isSet(version))
        return Answer{QStringLiteral("tallyfold %1\n").arg(QCoreApplication::applicationVersion())};
    const QStringList files = parser.positionalArguments();

    if (!parser.isSet(render)) {
        for (const QCommandLineOption& option :
             {output, fromFile, null,    pattern, size,         format,    values,   percent,
              totals, sort,     jobs,    shard,   skipExisting, report,    progress, progressAlways,
              sheet,  strict,   palette, dpi,     paper,        landscape, fit,      centre})
            if (parser.isSet(option))
                return usageError(QStringLiteral("--%1 は --render と共に使います。")
                                      .arg(option.names().constLast()),
                                  options);
        if (files.size() > 1)
            return usageError(QStringLiteral("開けるデータファイルは一つだけです。"), options);
        if (!canShowWindows())
            return usageError(
                QStringLiteral("ウィンドウを表示するディスプレイがありません。"
                               "ウィンドウなしでグラフを描くには --render を使います。"),
                options);
        return OpenWindow{files.value(0)};
    }

    RenderRequest request;
    request.inputs = files;
    request.output = parser.value(output);
    if (parser.isSet(fromFile))
        request.inputList = parser.value(fromFile);
    request.reading = {parser.value(sheet), parser.isSet(strict)};
    if (files.count(StandardInput) + (request.inputList == StandardInput ? 1 : 0) > 1)
        return usageError(QStringLiteral("標準入力 (-) から読めるのは一つだけです。"), options);
    if (request.inputs.isEmpty() && !request.inputList)
        return usageError(QStringLiteral("--render には描くデータファイルが要ります。"), options);
    if (request.output.isEmpty())
        return usageError(QStringLiteral("--render には --output で書き出し先が要ります。"),
                          options);
    if (request.output == StandardOutput && request.inputs.size() > 1)
        return usageError(QStringLiteral("標準出力 (-o -) に書けるのは一つのデータファイルの"
                                         "グラフだけです。"),
                          options);
    const std::optional<GraphSize> sizeChosen = sizeNamed(parser.value(size));
    if (!sizeChosen)
        return usageError(QStringLiteral("--size は standard, tall, wide のどれかです。"), options);
    const std::optional<ChartOptions> order = orderNamed(parser.value(sort));
    if (!order)
        return usageError(QStringLiteral("--sort は input, total, A から L の列の文字の"
                                         "どれかです。"),
                          options);
    request.style = {parser.isSet(pattern), *sizeChosen, *order};
    request.style.options.values = parser.isSet(values);
    request.style.options.percent = parser.isSet(percent);
    request.style.options.totals = parser.isSet(totals);
    const std::optional<Palette> paletteChosen = paletteNamed(parser.value(palette));
    if (!paletteChosen)
        return usageError(QStringLiteral("--palette は standard, cud, user のどれかです。"),
                          options);
    request.style.options.palette = *paletteChosen;
    // The user's colours are read only when asked for, so that a run depends on no settings.
    if (request.style.options.palette == Palette::User)
        request.style.options.userColours = savedChartOptions().userColours;
    if (parser.isSet(format)) {
        request.format = formatNamed(parser.value(format));
        if (!request.format)
            return usageError(QStringLiteral("--format は bmp, png, svg, pdf のどれかです。"),
                              options);
    }
    if (parser.isSet(dpi)) {
        bool number = false;
        request.picture.dpi = parser.value(dpi).toInt(&number);
        if (!number || request.picture.dpi < PictureSettings::MinDpi ||
            request.picture.dpi > PictureSettings::MaxDpi)
            return usageError(QStringLiteral("--dpi は %1 から %2 までの整数です。")
                                  .arg(PictureSettings::MinDpi)
                                  .arg(PictureSettings::MaxDpi),
                              options);
    }
    if (parser.isSet(paper)) {
        request.picture.page.paper =
            paperNamed(parser.value(paper).toLower()).value_or(Paper::None);
        if (request.picture.page.paper == Paper::None)
            return usageError(QStringLiteral("--paper は a4, a3, b4, b5, letter のどれかです。"),
                              options);
    }
    // Orientation and placement are of a paper: without one the page is the chart's size.
    for (const QCommandLineOption& option : {landscape, fit, centre})
        if (parser.isSet(option) && !parser.isSet(paper))
            return usageError(
                QStringLiteral("--%1 は --paper と共に使います。").arg(option.names().constLast()),
                options);
    if (parser.isSet(fit) && parser.isSet(centre))
        return usageError(QStringLiteral("--fit と --centre は同時には使えません。"), options);
    if (parser.isSet(landscape))
        request.picture.page.orientation = PageOrientation::Landscape;
    if (parser.isSet(fit))
        request.picture.page.placement = ChartPlacement::Fit;
    if (parser.isSet(centre))
        request.picture.page.placement = ChartPlacement::Centre;
    request.jobs = QThread::idealThreadCount();
    if (parser.isSet(jobs)) {
        bool number = false;
        request.jobs = parser.value(jobs).toInt(&number);
        if (!number || request.jobs < 1 || request.jobs > MaxJobs)
            return usageError(QStringLiteral("--jobs は 1 から %1 までの整数です。").arg(MaxJobs),
                              options);
    }
    if (parser.isSet(null) && !request.inputList)
        return usageError(QStringLiteral("--null は --from-file と共に使います。"), options);
    request.nullSeparated = parser.isSet(null);
    if (parser.isSet(shard)) {
        const std::optional<Shard> chosen = shardNamed(parser.value(shard));
        if (!chosen)
            return usageError(QStringLiteral("--shard は K/N の形で、K は 1 から N までの整数"
                                             "です (例: 2/8)。"),
                              options);
        request.shard = *chosen;
    }
    request.skipExisting = parser.isSet(skipExisting);
    if (parser.isSet(report)) {
        request.report = parser.value(report);
        if (request.report == StandardOutput && request.output == StandardOutput)
            return usageError(QStringLiteral("画像を標準出力 (-o -) に書くときは、--report - は"
                                             "使えません。"),
                              options);
    }
    request.progress = parser.isSet(progressAlways) ? ShowProgress::Always
                       : parser.isSet(progress)     ? ShowProgress::OnTerminal
                                                    : ShowProgress::Never;
    // The chart is drawn on Qt's platform without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(dropRuntimeFolderWarnings);
    return request;
}

int printAnswer(const Answer& answer) {
    std::fputs(qPrintable(answer.text), answer.status == 0 ? stdout : stderr);
    return answer.status;
}
