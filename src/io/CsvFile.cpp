#include "io/CsvFile.h"

#include "io/TextDecoding.h"

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

QByteArray encodeCsv(const TextGrid& grid, char16_t separator) {
    // Quoted too where they would count as separators when the file is read back.
    return Utf8Bom +
           writeDelimited(grid, separator, u"\r\n", separator == u',' ? u";\t" : u",;").toUtf8();
}

Result<DelimitedText> decodeCsv(const QByteArray& bytes, int maxRows, int maxColumns,
                                std::optional<char16_t> separator) {
    // Decoded first, so that a byte-order mark is gone before quotes are looked for.
    const Result<QString> text = decodeText(bytes);
    if (!text)
        return text.failure();
    return readDelimited(*text, separator ? QChar(*separator) : guessSeparator(*text), maxRows,
                         maxColumns);
}
