#include "data/TextGrid.h"

#include <utility>

namespace {

const QChar Quote = u'"';

bool isLineEnd(QChar ch) {
    return ch == u'\r' || ch == u'\n';
}

} // namespace

TextGrid parseDelimited(QStringView text, QChar separator) {
    TextGrid grid;
    std::vector<QString> row;
    QString cell;
    bool cellStart = true;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar ch = text[i];
        if (cellStart && ch == Quote) {
            // An unclosed quote runs to the end of the text.
            for (++i; i < size; ++i) {
                if (text[i] != Quote) {
                    cell += text[i];
                } else if (i + 1 < size && text[i + 1] == Quote) {
                    cell += Quote;
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            cellStart = false;
        } else if (ch == separator) {
            row.push_back(std::exchange(cell, QString()));
            cellStart = true;
            ++i;
        } else if (isLineEnd(ch)) {
            i += ch == u'\r' && i + 1 < size && text[i + 1] == u'\n' ? 2 : 1;
            row.push_back(std::exchange(cell, QString()));
            grid.push_back(std::exchange(row, {}));
            cellStart = true;
            if (i == size)
                return grid; // the last line end closes the last row and opens none
        } else {
            cell += ch;
            cellStart = false;
            ++i;
        }
    }
    if (!text.isEmpty()) {
        row.push_back(std::move(cell));
        grid.push_back(std::move(row));
    }
    return grid;
}

QString writeDelimited(const TextGrid& grid, QChar separator, QStringView lineEnd) {
    QString text;
    for (const std::vector<QString>& row : grid) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += separator;
            const QString& cell = row[c];
            const bool quoted = cell.contains(separator) || cell.contains(Quote) ||
                                cell.contains(u'\r') || cell.contains(u'\n');
            if (!quoted) {
                text += cell;
                continue;
            }
            QString doubled = cell;
            doubled.replace(Quote, QStringLiteral("\"\""));
            text += Quote + doubled + Quote;
        }
        text += lineEnd;
    }
    return text;
}
