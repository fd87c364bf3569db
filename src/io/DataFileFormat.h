#pragma once

#include "data/DataTable.h"
#include "data/Result.h"

#include <QByteArray>

#include <utility>
#include <vector>

// The data text file: 12 lines, one per row of the dataset, of 13 comma-separated fields, in
// code page 932 with CR LF after every line. A text is written between double quotes (a quote
// inside it doubled), a number in the invariant form (.5, -.25, 1E+16), an empty cell as
// nothing.

inline constexpr int DataFileFields = 156;

struct EncodedTable {
    QByteArray bytes;
    // Cells whose text had characters that code page 932 cannot hold; they were written as '?'.
    std::vector<std::pair<int, int>> lossyCells;
};

EncodedTable encodeDataFile(const DataTable& table);

// Reads the first 156 fields, row by row, field by field: a comma or a line end (CR LF, LF or CR)
// ends a field, whatever the line lengths; blanks before a field are skipped; a quoted field runs
// to its closing quote ("" inside it is one quote) and what follows up to the next separator is
// skipped; an empty field is an empty cell; an unquoted field that reads as a number is that
// number, any other is a text. Bytes of fewer than 156 fields are an incomplete table, the
// failure counting the fields they hold. The bytes are decoded first and read by readCells under
// QuoteRule::Padded.
Result<DataTable> decodeDataFile(const char* bytes, qsizetype size);
