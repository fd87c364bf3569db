#include "io/CsvFile.h"

#include "data/EntryGrid.h"
#include "io/Cp932.h"
#include "io/FileError.h"
#include "io/SaveFile.h"

#include <QFile>
#include <QStringDecoder>

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

struct Size {
    int rows = 0;
    int columns = 0;
};

Size valuesSize(const TextGrid& read, bool headers) {
    std::size_t columns = 0;
    for (const std::vector<QString>& row : read)
        columns = std::max(columns, row.size());
    const int skip = headers ? 1 : 0;
    return {static_cast<int>(read.size()) - skip, static_cast<int>(columns) - skip};
}

} // namespace

QByteArray encodeCsv(const TextGrid& grid) {
    return Utf8Bom + writeDelimited(grid, u',', u"\r\n").toUtf8();
}

TextGrid decodeCsv(const QByteArray& bytes) {
    const QByteArray body = bytes.startsWith(Utf8Bom) ? bytes.sliced(Utf8Bom.size()) : bytes;
    // The mark is taken off above; a second one would be part of the first cell.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(body);
    if (utf8.hasError())
        text = fromCp932(body);
    return parseDelimited(text, separatorOf(text));
}

CsvTable layOutCsv(const TextGrid& read) {
    const bool headers = hasHeaders(read);
    const Size size = valuesSize(read, headers);
    constexpr int ValueRows = GridRows - 1;
    constexpr int ValueColumns = GridColumns - 1;
    if (size.rows > ValueRows || size.columns > ValueColumns)
        return {{},
                QStringLiteral("表が大きすぎるため読み込めません。読み込めるのは %1 行 × %2 列まで"
                               "ですが、このファイルの表は %3 行 × %4 列です。")
                    .arg(ValueRows)
                    .arg(ValueColumns)
                    .arg(size.rows)
                    .arg(size.columns)};

    CsvTable table{TextGrid(GridRows, std::vector<QString>(GridColumns)), {}};
    const int offset = headers ? 0 : 1; // a table without headers starts at 1A
    for (std::size_t r = 0; r < read.size(); ++r)
        for (std::size_t c = 0; c < read[r].size(); ++c)
            if (r + c > 0 || !headers) // the corner holds no box
                table.grid[r + offset][c + offset] = read[r][c];
    return table;
}

QString saveCsvFile(const QString& path, const TextGrid& grid) {
    return saveBytes(path, encodeCsv(grid));
}

QString loadCsvFile(const QString& path, TextGrid& read) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileErrorReason(path, errno);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileErrorReason(path, errno);
    read = decodeCsv(bytes);
    return {};
}
