#include "cli/CommandLineHelp.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>

namespace {

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "-o, --output <PATH>"
QString optionSyntax(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names << dashed(name);
    QString syntax = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        syntax += QStringLiteral(" <%1>").arg(option.valueName());
    return syntax;
}

} // namespace

QString helpText(const QList<QCommandLineOption>& options) {
    QStringList syntaxes;
    for (const QCommandLineOption& option : options)
        syntaxes << optionSyntax(option);
    const QString file = QStringLiteral("FILE");
    qsizetype width = file.size();
    for (const QString& syntax : syntaxes)
        width = std::max(width, syntax.size());
    const auto line = [width](const QString& name, const QString& description) {
        return QStringLiteral("  %1  %2\n").arg(name.leftJustified(width), description);
    };

    QString help = QStringLiteral(
        "使い方: tallyfold [FILE]\n"
        "        tallyfold --render [FILE...] [--from-file LIST [--null]] -o PATH [--pattern]\n"
        "                  [--size SIZE] [--format FORMAT] [--values] [--percent] [--totals]\n"
        "                  [--sort ORDER] [--jobs N] [--shard K/N] [--skip-existing]\n"
        "                  [--report FILE] [--progress | --progress-always] [--sheet SHEET]\n"
        "                  [--strict] [--palette PALETTE] [--dpi N]\n"
        "                  [--paper PAPER [--landscape] [--fit | --centre]]\n"
        "量率グラフ: 10 行 12 列までの表から量率グラフを描きます。\n\nオプション:\n");
    for (qsizetype i = 0; i < options.size(); ++i)
        help += line(syntaxes[i], options[i].description());
    help += QStringLiteral("\n引数:\n");
    help +=
        line(file, QStringLiteral("開くデータファイル (.txt, .csv, .tsv, .xlsx, .ods)。--render "
                                  "では描くデータファイル (いくつでも。- で標準入力)。"));
    return help;
}

QString parseErrorText(const QCommandLineParser& parser) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        QStringList names;
        for (const QString& name : unknown)
            names << dashed(name);
        return QStringLiteral("知らないオプションです: %1").arg(names.join(QStringLiteral(", ")));
    }
    // The parser tells the other errors only in English: "Missing value after '--size'." and
    // "Unexpected value after '--pattern'.", the option in quotes.
    const QString error = parser.errorText();
    const QString option = error.section(QLatin1Char('\''), 1, 1);
    if (error.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("%1 には値が要ります。").arg(option);
    if (error.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("%1 は値を取りません。").arg(option);
    return QStringLiteral("オプションの書き方が正しくありません。");
}
