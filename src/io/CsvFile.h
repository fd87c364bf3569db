#pragma once

#include "data/TextGrid.h"

#include <QByteArray>
#include <QString>

// The table as a CSV file for spreadsheets: the 11 by 13 grid of the entry boxes (column labels
// first, then each row's label and its twelve values), UTF-8 with a byte-order mark, fields quoted
// as RFC 4180 asks, CR LF after every line.
QByteArray encodeCsv(const TextGrid& grid);

// Reads CSV bytes: UTF-8 with or without the byte-order mark, or code page 932 when the bytes are
// not valid UTF-8. The separator is a comma, a semicolon or a tab: whichever of them the first
// line holds most of outside quotes (a comma when it holds none).
TextGrid decodeCsv(const QByteArray& bytes);

struct CsvTable {
    TextGrid grid;   // 11 rows of 13 cells laid out as the entry grid, when the table fits
    QString refusal; // why the table cannot be loaded (too large); empty when it can
};

// Lays a read CSV onto the entry grid: a table with its headers (hasHeaders) as it stands, any
// other from the first value box (1A) on; cells the file does not have are empty. A table of
// more than 10 rows or 12 columns of values is refused with a message that gives the limit and
// the table's size in the file.
CsvTable layOutCsv(const TextGrid& read);

// Writes the bytes through a temporary file that replaces `path` only once it is complete (in
// place where the folder takes no new file); reads a file whole. Both return why they failed, or
// an empty string.
QString saveCsvFile(const QString& path, const TextGrid& grid);
QString loadCsvFile(const QString& path, TextGrid& read);
