#include "io/DataFileFormat.h"

#include "data/DataTable.h"
#include "data/NumberFormat.h"
#include "data/NumericPrefix.h"
#include "data/RuntimeError.h"
#include "io/Cp932.h"

#include <QRegularExpression>

#include <optional>

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

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Walks the bytes field by field. Code page 932 trail bytes never take the values of the quote,
// the comma or the line ends, so the separators can be found before decoding.
class FieldReader {
public:
    FieldReader(const char* bytes, qsizetype size)
        : p_(bytes)
        , end_(bytes + size) {}

    // The next field, or nothing when the bytes end before it begins.
    std::optional<Cell> next() {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\t'))
            ++p_;
        if (p_ == end_ && !afterComma_)
            return std::nullopt;
        Cell cell = p_ != end_ && *p_ == '"' ? Cell{quoted()} : unquoted();
        skipToSeparator();
        return cell;
    }

private:
    QString quoted() {
        QByteArray text;
        for (++p_; p_ != end_; ++p_) {
            if (*p_ != '"') {
                text += *p_;
            } else if (p_ + 1 != end_ && p_[1] == '"') {
                text += '"';
                ++p_;
            } else {
                ++p_;
                break;
            }
        }
        return fromCp932(text);
    }

    Cell unquoted() {
        const char* start = p_;
        while (p_ != end_ && *p_ != ',' && !isLineEnd(*p_))
            ++p_;
        const char* stop = p_;
        while (stop != start && (stop[-1] == ' ' || stop[-1] == '\t'))
            --stop;
        if (stop == start)
            return {};
        const QString text = fromCp932(start, stop - start);
        thread_local const QRegularExpression number(
            QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
        if (number.match(text).hasMatch()) {
            try {
                return numericPrefix(text);
            } catch (const RuntimeError&) {
                // beyond the 64-bit range: kept as the text it is
            }
        }
        return text;
    }

    void skipToSeparator() {
        while (p_ != end_ && *p_ != ',' && !isLineEnd(*p_))
            ++p_;
        afterComma_ = p_ != end_ && *p_ == ',';
        if (p_ == end_)
            return;
        if (*p_++ == '\r' && p_ != end_ && *p_ == '\n')
            ++p_;
    }

    const char* p_;
    const char* end_;
    bool afterComma_ = false;
};

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
    FieldReader reader(bytes, size);
    DataTable loaded;
    for (int field = 0; field < DataFileFields; ++field) {
        std::optional<Cell> cell = reader.next();
        if (!cell)
            return Failure{Action::LoadIncompleteTable,
                           {},
                           QStringLiteral("%1 項目のうち %2 項目しかありません")
                               .arg(DataFileFields)
                               .arg(field)};
        loaded(field / DataTable::Columns, field % DataTable::Columns) = std::move(*cell);
    }
    return loaded;
}
