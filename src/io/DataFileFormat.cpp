#include "io/DataFileFormat.h"

#include "data/DataTable.h"
#include "data/NumberFormat.h"
#include "data/NumericPrefix.h"
#include "data/RuntimeError.h"
#include "data/TextGrid.h"
#include "io/Cp932.h"

#include <QRegularExpression>

#include <vector>

namespace {

QByteArray encodeCell(const Cell& cell, bool* lossy) {
    if (const double* number = std::get_if<double>(&cell))
        return fileNumber(*number).toLatin1();
    if (const QString* text = std::get_if<QString>(&cell)) {
        QString quoted = *text;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return '"' + toCp932(quoted, lossy) + '"';
    }
    return {};
}

// A data file is at most a few kilobytes. Decoding this much of it first finds the 156 fields of
// any file but a strangely padded one, and spares a large file that is tried as a data file but is
// none from being decoded whole.
constexpr qsizetype FirstPiece = 64 * 1024;

// The first 156 fields of the bytes, read from their decoded text.
std::vector<DelimitedCell> readFields(const char* bytes, qsizetype size) {
    if (size > FirstPiece) {
        // Enough when the 156th field ends before the piece does (reading fewer reaches its
        // end): only the piece's last character may be cut.
        const QString piece = fromCp932(bytes, FirstPiece);
        DelimitedCells fields = readCells(piece, u',', QuoteRule::Padded, DataFileFields);
        if (fields.end < piece.size())
            return std::move(fields.cells);
    }
    return readCells(fromCp932(bytes, size), u',', QuoteRule::Padded, DataFileFields).cells;
}

// A quoted field is a text; an unquoted one is a number when it reads as one, else a text, and
// an empty one an empty cell.
Cell fieldCell(DelimitedCell&& field) {
    if (field.quoted)
        return std::move(field.text);
    if (field.text.isEmpty())
        return {};
    thread_local const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (number.match(field.text).hasMatch()) {
        try {
            return numericPrefix(field.text);
        } catch (const RuntimeError&) {
            // beyond the 64-bit range: kept as the text it is
        }
    }
    return std::move(field.text);
}

} // namespace

EncodedTable encodeDataFile(const DataTable& table) {
    EncodedTable encoded;
    for (int r = 0; r < DataTable::Rows; ++r) {
        for (int c = 0; c < DataTable::Columns; ++c) {
            if (c > 0)
                encoded.bytes += ',';
            bool lossy = false;
            encoded.bytes += encodeCell(table(r, c), &lossy);
            if (lossy)
                encoded.lossyCells.emplace_back(r, c);
        }
        encoded.bytes += "\r\n";
    }
    return encoded;
}

Result<DataTable> decodeDataFile(const char* bytes, qsizetype size) {
    std::vector<DelimitedCell> fields = readFields(bytes, size);
    if (fields.size() < DataFileFields)
        return Failure{Action::LoadIncompleteTable,
                       {},
                       QStringLiteral("%1 項目のうち %2 項目しかありません")
                           .arg(DataFileFields)
                           .arg(fields.size())};
    DataTable loaded;
    for (int field = 0; field < DataFileFields; ++field)
        loaded(field / DataTable::Columns, field % DataTable::Columns) =
            fieldCell(std::move(fields[field]));
    return loaded;
}
