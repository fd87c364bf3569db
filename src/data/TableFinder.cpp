#include "data/TableFinder.h"

#include "data/DisplayNumber.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

QString cellAt(const TextGrid& grid, std::size_t row, std::size_t column) {
    return column < grid[row].size() ? grid[row][column].trimmed() : QString();
}

std::size_t widthOf(const TextGrid& grid) {
    std::size_t width = 0;
    for (const std::vector<QString>& row : grid)
        width = std::max(width, row.size());
    return width;
}

std::optional<double> numberIn(const QString& cell) {
    const std::optional<QString> plain = plainNumber(cell);
    if (!plain || plain->isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = plain->toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

bool isText(const QString& cell) {
    return !cell.isEmpty() && !plainNumber(cell);
}

bool isYear(const QString& cell) {
    const std::optional<double> value = numberIn(cell);
    return value && *value >= 1900 && *value <= 2100 && std::floor(*value) == *value;
}

// The non-empty cells of a row, by column.
std::vector<std::size_t> filledColumns(const TextGrid& grid, std::size_t row) {
    std::vector<std::size_t> filled;
    for (std::size_t c = 0; c < grid[row].size(); ++c)
        if (!cellAt(grid, row, c).isEmpty())
            filled.push_back(c);
    return filled;
}

// A row of the table: a number after its label, or numbers alone.
bool holdsNumber(const TextGrid& grid, std::size_t row) {
    const std::vector<std::size_t> filled = filledColumns(grid, row);
    for (std::size_t i = 0; i < filled.size(); ++i)
        if ((i > 0 || filled.size() == 1) && numberIn(cellAt(grid, row, filled[i])))
            return true;
    return false;
}

// Years over the columns, beside an empty corner or a text: a header, though it holds numbers.
bool isYearsRow(const TextGrid& grid, std::size_t row) {
    const std::vector<std::size_t> filled = filledColumns(grid, row);
    if (filled.size() < 2 && !(filled.size() == 1 && filled.front() > 0))
        return false;
    for (std::size_t i = 0; i < filled.size(); ++i) {
        const QString cell = cellAt(grid, row, filled[i]);
        if (!isYear(cell) && !(i == 0 && isText(cell)))
            return false;
    }
    return true;
}

std::optional<QString> unitIn(const QString& text) {
    static const QRegularExpression named(
        QStringLiteral("^[(（\\[［]?\\s*単位\\s*[:：]?\\s*([^)）\\]］]+?)\\s*[)）\\]］]?$"));
    static const QRegularExpression bracketed(
        QStringLiteral("^[\\[［]\\s*([^\\]］]+?)\\s*[\\]］]$"));
    for (const QRegularExpression* pattern : {&named, &bracketed})
        if (const QRegularExpressionMatch match = pattern->match(text); match.hasMatch())
            return match.captured(1);
    return std::nullopt;
}

// A note's text without its marker, or nothing when the line is no note.
std::optional<QString> noteIn(const QString& text) {
    static const QRegularExpression marker(
        QStringLiteral("^(?:[(（]?注\\s*[0-9０-９]*\\s*[)）:：]|※\\s*[0-9０-９]*)\\s*"));
    if (const QRegularExpressionMatch match = marker.match(text); match.hasMatch())
        return text.mid(match.capturedLength()).trimmed();
    return std::nullopt;
}

std::optional<QString> sourceIn(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("^(?:資料|出典|出所)\\s*[:：]\\s*"));
    if (const QRegularExpressionMatch match = marker.match(text); match.hasMatch())
        return text.mid(match.capturedLength()).trimmed();
    return std::nullopt;
}

bool isTotalLabel(const QString& label) {
    static const QStringList words = {
        QStringLiteral("合計"),       QStringLiteral("計"),     QStringLiteral("総計"),
        QStringLiteral("総数"),       QStringLiteral("小計"),   QStringLiteral("全国"),
        QStringLiteral("全体"),       QStringLiteral("総額"),   QStringLiteral("男女計"),
        QStringLiteral("総合計"),     QStringLiteral("全体計"), QStringLiteral("total"),
        QStringLiteral("grandtotal"), QStringLiteral("sum"),    QStringLiteral("all")};
    QString word = label;
    word.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]")));
    return words.contains(word.toLower());
}

bool nearlyEqual(double a, double b) {
    return std::abs(a - b) <= 0.005 * std::max(std::abs(a), std::abs(b));
}

// Reads the lines around the table into the descriptions.
class Descriptor {
public:
    // A line of one text: the unit, a note, a source, or else a title.
    void line(const QString& text, bool aboveTable) {
        if (const std::optional<QString> unit = unitIn(text))
            setOnce(Description::Unit, *unit);
        else if (const std::optional<QString> source = sourceIn(text))
            add(Description::Source, *source);
        else if (const std::optional<QString> note = noteIn(text))
            add(Description::Note, *note);
        else if (aboveTable)
            setOnce(Description::Title, text);
        else
            add(Description::Note, text);
    }
    // The last cell of a title line or of the header, taken when it is a unit.
    bool unitAtEnd(const QString& text) {
        const std::optional<QString> unit = unitIn(text);
        if (unit)
            setOnce(Description::Unit, *unit);
        return unit.has_value();
    }
    const Descriptions& descriptions() const { return descriptions_; }

private:
    QString& at(Description which) { return descriptions_[static_cast<std::size_t>(which) - 1]; }
    void setOnce(Description which, const QString& text) {
        if (at(which).isEmpty())
            at(which) = text;
    }
    void add(Description which, const QString& text) {
        at(which) += (at(which).isEmpty() ? QString() : QStringLiteral(" ")) + text;
    }
    Descriptions descriptions_;
};

// Whether `line` holds, at every place across the lines, the sum of the other lines' values,
// `valueAt(line, place)`. Only a first or last line can be such a total, and only of two lines or
// more, each checked at two places or more: a table of one row holds many a coincidence.
template <class ValueAt>
bool sumsTheOthers(std::size_t line, const std::vector<std::size_t>& lines,
                   const std::vector<std::size_t>& places, ValueAt valueAt) {
    if (lines.size() < 3 || places.size() < 2 || (line != lines.front() && line != lines.back()))
        return false;
    return std::all_of(places.begin(), places.end(), [&](std::size_t place) {
        double others = 0;
        for (std::size_t other : lines)
            others += other == line ? 0 : valueAt(other, place);
        return nearlyEqual(valueAt(line, place), others);
    });
}

// The rows and columns of `block` (header first, label column first) left out as totals.
void leaveOutTotals(TextGrid& block, bool header, FoundTable& found) {
    const std::size_t firstRow = header ? 1 : 0;
    const std::size_t width = widthOf(block);
    const auto value = [&](std::size_t r, std::size_t c) {
        return numberIn(cellAt(block, r, c)).value_or(0);
    };
    std::vector<std::size_t> rows;
    for (std::size_t r = firstRow; r < block.size(); ++r)
        rows.push_back(r);
    std::vector<std::size_t> columns;
    for (std::size_t c = 1; c < width; ++c)
        columns.push_back(c);

    const auto isTotalRow = [&](std::size_t r) {
        return isTotalLabel(cellAt(block, r, 0)) ||
               sumsTheOthers(r, rows, columns, [&](std::size_t line, std::size_t place) {
                   return value(line, place);
               });
    };
    const auto isTotalColumn = [&](std::size_t c) {
        return (header && isTotalLabel(cellAt(block, 0, c))) ||
               sumsTheOthers(c, columns, rows, [&](std::size_t line, std::size_t place) {
                   return value(place, line);
               });
    };
    std::vector<std::size_t> totalRows;
    for (std::size_t r : rows)
        if (isTotalRow(r))
            totalRows.push_back(r);
    std::erase_if(rows, [&](std::size_t r) { return std::ranges::count(totalRows, r) > 0; });
    std::vector<std::size_t> totalColumns;
    for (std::size_t c : columns)
        if (isTotalColumn(c))
            totalColumns.push_back(c);
    if (rows.empty() || totalColumns.size() == columns.size())
        return; // all totals: nothing would be left to chart

    for (auto r = totalRows.rbegin(); r != totalRows.rend(); ++r) {
        found.leftOutRows.prepend(cellAt(block, *r, 0));
        block.erase(block.begin() + static_cast<std::ptrdiff_t>(*r));
    }
    for (auto c = totalColumns.rbegin(); c != totalColumns.rend(); ++c) {
        found.leftOutColumns.prepend(header ? cellAt(block, 0, *c) : QString());
        for (std::vector<QString>& row : block)
            if (*c < row.size())
                row.erase(row.begin() + static_cast<std::ptrdiff_t>(*c));
    }
}

// The block without blank columns at its left and right.
TextGrid withoutBlankColumns(const TextGrid& rows) {
    const std::size_t width = widthOf(rows);
    std::size_t first = width;
    std::size_t last = 0;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (!cellAt(rows, r, c).isEmpty()) {
                first = std::min(first, c);
                last = std::max(last, c + 1);
            }
    TextGrid block;
    for (const std::vector<QString>& row : rows) {
        std::vector<QString> cells;
        for (std::size_t c = first; c < last; ++c)
            cells.push_back(c < row.size() ? row[c] : QString());
        block.push_back(std::move(cells));
    }
    return block;
}

} // namespace

bool isHeaderRow(const TextGrid& block) {
    if (block.empty())
        return false;
    const QString corner = cellAt(block, 0, 0);
    if (!corner.isEmpty() && !isText(corner))
        return false;
    bool labelColumn = false;
    for (std::size_t r = 1; r < block.size(); ++r)
        labelColumn = labelColumn || isText(cellAt(block, r, 0));
    bool anyFilled = false;
    for (std::size_t c = 1; c < block[0].size(); ++c) {
        const QString cell = cellAt(block, 0, c);
        if (numberIn(cell) && !(labelColumn && isYear(cell)))
            return false;
        anyFilled = anyFilled || isText(cell) || isYear(cell);
    }
    return anyFilled || (corner.isEmpty() && labelColumn);
}

FoundTable findTable(const TextGrid& sheet) {
    FoundTable found;
    // The program's own grid, as it copies and saves it, comes back whole.
    if (sheet.size() == GridRows && widthOf(sheet) == GridColumns &&
        cellAt(sheet, 0, 0).isEmpty()) {
        found.block = sheet;
        return found;
    }
    std::vector<std::size_t> numbered;
    for (std::size_t r = 0; r < sheet.size(); ++r)
        if (holdsNumber(sheet, r))
            numbered.push_back(r);
    if (numbered.empty()) {
        found.block = sheet;
        return found;
    }
    // The run of rows with numbers from the first, and the row above it as its header; a row of
    // years over rows of numbers is that header.
    std::size_t first = numbered.front();
    if (isYearsRow(sheet, first) && first + 1 < sheet.size() && holdsNumber(sheet, first + 1))
        ++first;
    std::size_t end = first;
    while (end < sheet.size() && holdsNumber(sheet, end))
        ++end;
    Descriptor descriptor;
    std::optional<std::size_t> header;
    if (first > 0 && filledColumns(sheet, first - 1).size() > 0) {
        TextGrid candidate(sheet.begin() + static_cast<std::ptrdiff_t>(first - 1),
                           sheet.begin() + static_cast<std::ptrdiff_t>(end));
        std::vector<std::size_t> filled = filledColumns(sheet, first - 1);
        // A unit at the header's right end belongs to no column.
        if (filled.size() > 1 && descriptor.unitAtEnd(cellAt(sheet, first - 1, filled.back())))
            candidate[0][filled.back()].clear();
        if (isHeaderRow(withoutBlankColumns(candidate))) {
            header = first - 1;
            found.block = std::move(candidate);
        }
    }
    if (!header)
        found.block.assign(sheet.begin() + static_cast<std::ptrdiff_t>(first),
                           sheet.begin() + static_cast<std::ptrdiff_t>(end));
    const std::size_t above = header.value_or(first);
    for (std::size_t r = 0; r < sheet.size(); ++r) {
        if (r >= above && r < end)
            continue;
        std::vector<std::size_t> filled = filledColumns(sheet, r);
        if (filled.size() > 1 && descriptor.unitAtEnd(cellAt(sheet, r, filled.back())))
            filled.pop_back();
        if (filled.size() == 1)
            descriptor.line(cellAt(sheet, r, filled.front()), r < above);
    }
    found.block = withoutBlankColumns(found.block);
    found.descriptions = descriptor.descriptions();
    leaveOutTotals(found.block, header.has_value(), found);
    return found;
}

QString leftOutTotalsMessage(const FoundTable& table) {
    const auto quoted = [](const QStringList& labels) {
        QStringList named;
        for (const QString& label : labels)
            named << QStringLiteral("「%1」").arg(label);
        return named.join(QStringLiteral("、"));
    };
    QStringList parts;
    if (!table.leftOutRows.isEmpty())
        parts << QStringLiteral("行") + quoted(table.leftOutRows);
    if (!table.leftOutColumns.isEmpty())
        parts << QStringLiteral("列") + quoted(table.leftOutColumns);
    if (parts.isEmpty())
        return {};
    return QStringLiteral("合計の%1はグラフに入れませんでした。")
        .arg(parts.join(QStringLiteral("と")));
}
