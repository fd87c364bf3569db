#include "io/CsvFile.h"

#include "io/TextDecoding.h"


namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

QByteArray encodeCsv(const TextGrid& grid) {
    // Quoted too where they would count as separators when the file is read back.
    return Utf8Bom + writeDelimited(grid, u',', u"\r\n", u";\t").toUtf8();
}

Result<DelimitedText> decodeCsv(const QByteArray& bytes, int maxRows, int maxColumns) {
    // Decoded first, so that a byte-order mark is gone before quotes are looked for.
    const Result<QString> text = decodeText(bytes);
    if (!text)
        return text.failure();
    return readDelimited(*text, guessSeparator(*text), maxRows, maxColumns);
}
