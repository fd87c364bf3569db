#include "data/TextGrid.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const QChar Quote = u'"';

bool isLineEnd(QChar ch) {
    return ch == u'\r' || ch == u'\n';
}

struct Scanned {
    qsizetype end = 0;          // where reading stopped
    bool unclosedQuote = false; // the text ends inside a quoted cell
};

// Reads a quoted cell from just after its opening quote to just after its closing quote, into
// `cell` when given, a doubled quote as one quote; false when the text ends before the closing
// quote.
bool readQuoted(QStringView text, qsizetype& i, QString* cell) {
    const qsizetype size = text.size();
    while (i < size) {
        qsizetype quote = text.indexOf(Quote, i);
        if (quote < 0)
            quote = size;
        if (cell)
            *cell += text.sliced(i, quote - i);
        i = quote;
        if (i + 1 < size && text[i + 1] == Quote) {
            if (cell)
                *cell += Quote;
            i += 2;
        } else if (i < size) {
            ++i;
            return true;
        }
    }
    return false;
}

// Reads the cells and rows of delimited text into `sink`: sink.keeps() tells whether the text of
// the next cell is wanted (one that is not is only counted), sink.cell(text, quoted) takes a cell
// and sink.endRow() the end of a row; either returns false to stop reading there.
template <typename Sink>
Scanned scan(QStringView text, QChar separator, QuoteRule rule, Sink& sink) {
    const bool padded = rule == QuoteRule::Padded;
    const auto isBlank = [&](QChar ch) { return (ch == u' ' || ch == u'\t') && ch != separator; };
    const qsizetype size = text.size();
    qsizetype i = 0;
    bool rowStart = true;
    for (;;) {
        if (padded)
            while (i < size && isBlank(text[i]))
                ++i;
        if (i == size && rowStart)
            return {i, false}; // a line end (or nothing) before opens no row
        const bool keep = sink.keeps();
        QString cell;
        const bool quoted = i < size && text[i] == Quote;
        bool unclosed = false;
        if (quoted)
            unclosed = !readQuoted(text, ++i, keep ? &cell : nullptr);
        // What follows a closing quote, or the whole of an unquoted cell, runs to the separator.
        const qsizetype rest = i;
        while (i < size && text[i] != separator && !isLineEnd(text[i]))
            ++i;
        qsizetype restEnd = i;
        if (padded && quoted)
            restEnd = rest; // dropped
        else if (padded)
            while (restEnd > rest && isBlank(text[restEnd - 1]))
                --restEnd;
        if (keep)
            cell += text.sliced(rest, restEnd - rest);
        if (!sink.cell(std::move(cell), quoted))
            return {i, unclosed};
        if (i == size) {
            sink.endRow();
            return {i, unclosed};
        }
        rowStart = text[i] != separator;
        if (!rowStart) {
            ++i;
            continue;
        }
        i += text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n' ? 2 : 1;
        if (!sink.endRow())
            return {i, false};
    }
}

// The grid of readDelimited, ending after `lastRow` rows.
struct GridSink {
    int maxRows;
    int maxColumns;
    int lastRow;
    DelimitedText read{};
    std::vector<QString> row{};
    int column = 0;

    bool keeps() const { return read.rows < maxRows && column < maxColumns; }
    bool cell(QString&& text, bool) {
        if (keeps())
            row.push_back(std::move(text));
        ++column;
        return true;
    }
    bool endRow() {
        read.columns = std::max(read.columns, column);
        if (read.rows < maxRows)
            read.grid.push_back(std::exchange(row, {}));
        ++read.rows;
        column = 0;
        return read.rows < lastRow;
    }
};

DelimitedText scanGrid(QStringView text, QChar separator, int maxRows, int maxColumns,
                       int lastRow) {
    GridSink sink{maxRows, maxColumns, lastRow};
    sink.read.unclosedQuote = scan(text, separator, QuoteRule::Literal, sink).unclosedQuote;
    return std::move(sink.read);
}

// The first cells of readCells.
struct CellSink {
    std::size_t count;
    std::vector<DelimitedCell> cells{};

    bool keeps() const { return cells.size() < count; }
    bool cell(QString&& text, bool quoted) {
        cells.push_back({std::move(text), quoted});
        return cells.size() < count;
    }
    static bool endRow() { return true; }
};

} // namespace

DelimitedText readDelimited(QStringView text, QChar separator, int maxRows, int maxColumns) {
    return scanGrid(text, separator, maxRows, maxColumns, std::numeric_limits<int>::max());
}

QChar guessSeparator(QStringView text) {
    QChar best = u',';
    int most = 1;
    for (const QChar separator : {u',', u';', u'\t'}) {
        const int cells = scanGrid(text, separator, 0, 0, 1).columns;
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

DelimitedCells readCells(QStringView text, QChar separator, QuoteRule rule, int count) {
    if (count <= 0)
        return {};
    CellSink sink{static_cast<std::size_t>(count)};
    const qsizetype end = scan(text, separator, rule, sink).end;
    return {std::move(sink.cells), end};
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
