#include "data/TextGrid.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const QChar Quote = u'"';

bool isLineEnd(QChar ch) {
    return ch == u'\r' || ch == u'\n';
}

// readDelimited, ending after `lastRow` rows.
DelimitedText scan(QStringView text, QChar separator, int maxRows, int maxColumns, int lastRow) {
    DelimitedText read;
    std::vector<QString> row;
    QString cell;
    int column = 0;
    // Only cells within the limits are kept; the others are only counted.
    const auto keeps = [&] { return read.rows < maxRows && column < maxColumns; };
    const auto endCell = [&] {
        if (keeps())
            row.push_back(std::exchange(cell, QString()));
        ++column;
    };
    const auto endRow = [&] {
        endCell();
        read.columns = std::max(read.columns, column);
        if (read.rows < maxRows)
            read.grid.push_back(std::exchange(row, {}));
        ++read.rows;
        column = 0;
    };
    bool cellStart = true;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar ch = text[i];
        const bool keep = keeps();
        if (cellStart && ch == Quote) {
            // An unclosed quote runs to the end of the text.
            read.unclosedQuote = true;
            for (++i; i < size; ++i) {
                if (text[i] != Quote) {
                    if (keep)
                        cell += text[i];
                } else if (i + 1 < size && text[i + 1] == Quote) {
                    if (keep)
                        cell += Quote;
                    ++i;
                } else {
                    ++i;
                    read.unclosedQuote = false;
                    break;
                }
            }
            cellStart = false;
        } else if (ch == separator) {
            endCell();
            cellStart = true;
            ++i;
        } else if (isLineEnd(ch)) {
            i += ch == u'\r' && i + 1 < size && text[i + 1] == u'\n' ? 2 : 1;
            endRow();
            cellStart = true;
            if (i == size || read.rows == lastRow)
                return read; // the last line end closes the last row and opens none
        } else {
            if (keep)
                cell += ch;
            cellStart = false;
            ++i;
        }
    }
    if (!text.isEmpty())
        endRow();
    return read;
}

} // namespace

DelimitedText readDelimited(QStringView text, QChar separator, int maxRows, int maxColumns) {
    return scan(text, separator, maxRows, maxColumns, std::numeric_limits<int>::max());
}

QChar guessSeparator(QStringView text) {
    QChar best = u',';
    int most = 1;
    for (const QChar separator : {u',', u';', u'\t'}) {
        const int cells = scan(text, separator, 0, 0, 1).columns;
        if (cells > most) {
            best = separator;
            most = cells;
        }
    }
    return best;
}

TextGrid parseDelimited(QStringView text, QChar separator) {
    constexpr int All = std::numeric_limits<int>::max();
    return readDelimited(text, separator, All, All).grid;
}

QString writeDelimited(const TextGrid& grid, QChar separator, QStringView lineEnd,
                       QStringView alsoQuoted) {
    QString text;
    for (const std::vector<QString>& row : grid) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += separator;
            const QString& cell = row[c];
            const bool quoted =
                cell.contains(separator) || cell.contains(Quote) || cell.contains(u'\r') ||
                cell.contains(u'\n') ||
                std::ranges::any_of(alsoQuoted, [&](QChar ch) { return cell.contains(ch); });
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
