#include "io/CsvFile.h"

#include "io/FileError.h"
#include "io/SaveFile.h"
#include "io/TableFileBytes.h"
#include "io/TextDecoding.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// The most frequent of comma, semicolon and tab on the first line outside quoted cells; a tie
// goes to the one listed first. A quote opens a quoted cell only at the start of a cell, as the
// parser reads it.
QChar separatorOf(QStringView text) {
    const std::array<QChar, 3> candidates{u',', u';', u'\t'};
    std::array<int, 3> counts{};
    bool cellStart = true;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
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

} // namespace

QByteArray encodeCsv(const TextGrid& grid) {
    // Quoted too where they would count as separators when the file is read back.
    return Utf8Bom + writeDelimited(grid, u',', u"\r\n", u";\t").toUtf8();
}

QString decodeCsv(const QByteArray& bytes, DelimitedText& read, int maxRows, int maxColumns) {
    const DecodedText decoded = decodeText(bytes);
    if (decoded.error.isEmpty())
        read = readDelimited(decoded.text, separatorOf(decoded.text), maxRows, maxColumns);
    return decoded.error;
}

QString saveCsvFile(const QString& path, const TextGrid& grid) {
    return saveBytes(path, encodeCsv(grid));
}

QString loadCsvFile(const QString& path, DelimitedText& read, int maxRows, int maxColumns) {
    QByteArray bytes;
    if (QString error = readTableFileBytes(path, bytes); !error.isEmpty())
        return error;
    return decodeCsv(bytes, read, maxRows, maxColumns);
}
