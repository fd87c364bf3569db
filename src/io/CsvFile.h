#pragma once

#include "data/Result.h"
#include "data/TextGrid.h"

#include <QByteArray>
#include <QString>

#include <limits>
#include <optional>

// The table as a CSV file for spreadsheets: the 11 by 13 grid of the entry boxes (column labels
// first, then each row's label and its twelve values), UTF-8 with a byte-order mark, fields quoted
// as RFC 4180 asks (and where they hold another of comma, semicolon and tab, so that the separator
// is found again), CR LF after every line. `separator` is a comma, or a tab for .tsv.
QByteArray encodeCsv(const TextGrid& grid, char16_t separator = u',');

// Reads CSV bytes in the encoding decodeText finds (UTF-8 or UTF-16 by the byte-order
// mark, else UTF-8, else code page 932). The separator is `separator` when given, else a comma, a
// semicolon or a tab: whichever of them the first line holds most of outside quotes (a comma when
// it holds none). Cells beyond maxRows and maxColumns are counted, not kept. Fails when the bytes
// cannot be read as text.
Result<DelimitedText> decodeCsv(const QByteArray& bytes,
                                int maxRows = std::numeric_limits<int>::max(),
                                int maxColumns = std::numeric_limits<int>::max(),
                                std::optional<char16_t> separator = std::nullopt);
