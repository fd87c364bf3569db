#include "io/CsvFile.h"

#include "io/TextDecoding.h"

#include <algorithm>
#include <array>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

char16_t charAt(QStringView text, qsizetype i) {
    return text[i].unicode();
}

// In UTF-8 and code page 932 the quote, the separators and the line ends are single ASCII bytes
// that no other character's bytes hold, so the cells of the bytes can be found before decoding.
char16_t charAt(QByteArrayView bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes[i]);
}

// The most frequent of comma, semicolon and tab on the first line outside quoted cells; a tie
// goes to the one listed first. A quote opens a quoted cell only at the start of a cell, as the
// parser reads it.
template <class Text> char16_t separatorOf(Text text) {
    const std::array<char16_t, 3> candidates{u',', u';', u'\t'};
    std::array<int, 3> counts{};
    bool cellStart = true;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = charAt(text, i);
        if (quoted) {
            if (ch == u'"' && i + 1 < text.size() && charAt(text, i + 1) == u'"')
                ++i;
            else if (ch == u'"')
                quoted = false;
            continue;
        }
        if (ch == u'\r' || ch == u'\n')
            break;
        const auto found = std::find(candidates.begin(), candidates.end(), ch);
        if (found != candidates.end())
            ++counts[found - candidates.begin()];
        quoted = cellStart && ch == u'"';
        cellStart = found != candidates.end();
    }
    return candidates[std::max_element(counts.begin(), counts.end()) - counts.begin()];
}

// Where the bytes of the first `keep` rows end, as the parser splits them, and how many rows the
// bytes hold in all.
struct RowsEnd {
    qsizetype end = 0;
    int rows = 0;
};

RowsEnd rowsEnd(QByteArrayView bytes, char separator, int keep) {
    RowsEnd found{bytes.size(), 0};
    bool cellStart = true;
    bool quoted = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char ch = bytes[i];
        if (quoted) {
            if (ch == '"' && i + 1 < bytes.size() && bytes[i + 1] == '"')
                ++i;
            else if (ch == '"')
                quoted = false;
            continue;
        }
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            if (++found.rows == keep)
                found.end = i + 1;
            cellStart = true;
            continue;
        }
        quoted = cellStart && ch == '"';
        cellStart = ch == separator;
    }
    if (!bytes.isEmpty() && bytes.back() != '\n' && bytes.back() != '\r')
        ++found.rows; // a last row without its line end
    return found;
}

bool isUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

QByteArray encodeCsv(const TextGrid& grid, char16_t separator) {
    // Quoted too where they would count as separators when the file is read back.
    return Utf8Bom +
           writeDelimited(grid, separator, u"\r\n", separator == u',' ? u";\t" : u",;").toUtf8();
}

Result<DelimitedText> decodeCsv(const QByteArray& bytes, int maxRows, int maxColumns,
                                std::optional<char16_t> separator) {
    // Only the rows that are kept are decoded: a huge table costs no more memory than its bytes.
    RowsEnd kept{bytes.size(), -1};
    if (!isUtf16(bytes))
        kept = rowsEnd(bytes,
                       static_cast<char>(separator.value_or(separatorOf(QByteArrayView(bytes)))),
                       maxRows);
    const Result<QString> text = decodeText(QByteArray::fromRawData(bytes.constData(), kept.end));
    if (!text)
        return text.failure();
    DelimitedText read = readDelimited(*text, separator.value_or(separatorOf(QStringView(*text))),
                                       maxRows, maxColumns);
    read.rows = std::max(read.rows, kept.rows);
    return read;
}
