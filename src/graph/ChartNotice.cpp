#include "graph/ChartNotice.h"

#include "graph/ChartLayout.h"

#include <QStringList>

namespace {

constexpr qsizetype LongestLabel = 20; // a longer label is named by its start

QString rowName(const ChartNote& note) {
    const QString row = QStringLiteral("%1行目").arg(note.row);
    if (note.label.isEmpty())
        return row;
    const QString label = note.label.size() > LongestLabel
                              ? note.label.left(LongestLabel) + QStringLiteral("…")
                              : note.label;
    return QStringLiteral("%1「%2」").arg(row, label.simplified());
}

} // namespace

QString chartNotice(const ChartLayout& layout) {
    const std::pair<ChartNote::Kind, QString> sentences[] = {
        {ChartNote::Kind::ZeroTotal, QStringLiteral("合計が 0 の行は描いていません: %1。")},
        {ChartNote::Kind::LabelLeftOut,
         QStringLiteral("場所が足りないため見出しを省きました (バーのツールチップに出ます): %1。")},
        {ChartNote::Kind::TotalLeftOut,
         QStringLiteral("場所が足りないため合計を省きました (バーのツールチップに出ます): %1。")},
        {ChartNote::Kind::LabelShortened, QStringLiteral("見出しを短くしました: %1。")},
    };
    QStringList told;
    for (const auto& [kind, sentence] : sentences) {
        QStringList rows;
        for (const ChartNote& note : layout.notes)
            if (note.kind == kind)
                rows << rowName(note);
        if (!rows.isEmpty())
            told << sentence.arg(rows.join(QStringLiteral("、")));
    }
    return told.join(QLatin1Char(' '));
}
