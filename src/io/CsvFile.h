#pragma once

#include "data/TextGrid.h"

#include <QByteArray>
#include <QString>

#include <limits>

// The table as a CSV file for spreadsheets: the 11 by 13 grid of the entry boxes (column labels
// first, then each row's label and its twelve values), UTF-8 with a byte-order mark, fields quoted
// as RFC 4180 asks (and where they hold a semicolon or a tab, so that the separator is found
// again), CR LF after every line.
QByteArray encodeCsv(const TextGrid& grid);

// Reads CSV bytes: UTF-8 with or without the byte-order mark, or code page 932 when the bytes are
// not valid UTF-8. The separator is a comma, a semicolon or a tab: whichever of them the first
// line holds most of outside quotes (a comma when it holds none). Cells beyond maxRows and
// maxColumns are counted, not kept.
DelimitedText decodeCsv(const QByteArray& bytes, int maxRows = std::numeric_limits<int>::max(),
                        int maxColumns = std::numeric_limits<int>::max());

// Writes the bytes through a temporary file that replaces `path` only once it is complete (in
// place where the folder takes no new file); reads a file of at most MaxTableFileBytes whole.
// Both return why they failed, or an empty string.
QString saveCsvFile(const QString& path, const TextGrid& grid);
QString loadCsvFile(const QString& path, DelimitedText& read, int maxRows, int maxColumns);
