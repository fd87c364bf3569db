#include "io/TableClipboard.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

QTextTable* firstTable(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            return table;
        if (QTextTable* table = firstTable(child))
            return table;
    }
    return nullptr;
}

QString withoutTrailingLineEnd(QString text) {
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

bool singleCell(const TextGrid& block) {
    return block.size() < 2 && (block.empty() || block.front().size() < 2);
}

} // namespace

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
    if (!data)
        return std::nullopt;
    std::optional<TextGrid> block;
    if (data->hasText())
        block = parseDelimited(data->text(), u'\t');
    else if (data->hasHtml())
        block = firstHtmlTable(data->html());
    if (!block || singleCell(*block))
        return std::nullopt;
    return block;
}

QString clipboardCell(const QMimeData* data) {
    if (!data)
        return {};
    if (data->hasText())
        return withoutTrailingLineEnd(data->text());
    if (data->hasHtml())
        if (const std::optional<TextGrid> table = firstHtmlTable(data->html());
            table && !table->empty() && !table->front().empty())
            return table->front().front();
    return {};
}

std::optional<TextGrid> firstHtmlTable(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QTextTable* table = firstTable(document.rootFrame());
    if (!table)
        return std::nullopt;
    TextGrid block(table->rows(), std::vector<QString>(table->columns()));
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue; // covered by a merged cell
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            // Paragraphs within a cell come as U+2029, and a line break as U+2028.
            block[r][c] = cursor.selectedText()
                              .replace(QChar::ParagraphSeparator, u'\n')
                              .replace(QChar::LineSeparator, u'\n')
                              .trimmed();
        }
    }
    return block;
}
