#include "io/TableClipboard.h"

#include <QMimeData>

QMimeData* tableMimeData(const TextGrid& grid) {
    QString html = QStringLiteral("<table>");
    for (const auto& row : grid) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");

    auto* data = new QMimeData;
    data->setText(writeDelimited(grid, u'\t', u"\n"));
    data->setHtml(html);
    return data;
}

std::optional<TextGrid> clipboardBlock(const QMimeData* data) {
    if (!data || !data->hasText())
        return std::nullopt;
    TextGrid block = parseDelimited(data->text(), u'\t');
    if (block.size() < 2 && (block.empty() || block.front().size() < 2))
        return std::nullopt;
    return block;
}
