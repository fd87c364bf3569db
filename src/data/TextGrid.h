#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Delimited text. One scanner reads all the program reads: CSV, TSV and pasted cells under the
// quote rule of spreadsheets (QuoteRule::Literal), and the data file, decoded from code page 932
// first, under its own (QuoteRule::Padded).

// A block of cells as spreadsheets exchange it in text: rows of cells, rows may differ in length.
using TextGrid = std::vector<std::vector<QString>>;

// Splits delimited text into rows and cells: cells end at `separator`, rows at CR LF, LF or CR.
// A cell that begins with a double quote runs to its closing quote, may hold separators and line
// ends, and reads a doubled quote inside as one quote; what follows the closing quote up to the
// next separator is kept. One line end at the very end adds no row; empty text is no row.
TextGrid parseDelimited(QStringView text, QChar separator);

// A block from outside of which only the cells of the first rows and columns may be kept, so that
// a huge one costs no more memory than a table, and the whole block's size.
struct KeptBlock {
    TextGrid grid;
    int rows = 0;    // all the rows of the block
    int columns = 0; // the most cells of a row
};

// Text from outside read as parseDelimited reads it, keeping only the cells of the first maxRows
// rows and maxColumns columns but counting them all.
struct DelimitedText : KeptBlock {
    bool unclosedQuote = false; // the text ends inside a quoted cell
};
DelimitedText readDelimited(QStringView text, QChar separator, int maxRows, int maxColumns);

// The separator of delimited text: whichever of comma, semicolon and tab splits its first row, as
// readDelimited reads it, into the most cells; a tie goes to the one listed first, and a row of
// one cell has a comma.
QChar guessSeparator(QStringView text);

// Joins a grid into delimited text with `lineEnd` after every row, the last included. A cell is
// quoted only when it holds the separator, a double quote, CR, LF or one of `alsoQuoted` (a quote
// inside doubled).
QString writeDelimited(const TextGrid& grid, QChar separator, QStringView lineEnd,
                       QStringView alsoQuoted = {});

// How quotes and blanks read in a cell.
enum class QuoteRule {
    // As parseDelimited reads: every character outside the quotes belongs to the cell.
    Literal,
    // As the data file is written: blanks (space, tab) before a cell and after an unquoted one
    // are padding, what follows a closing quote up to the next separator is dropped, and blanks
    // alone after the last line end are no cell.
    Padded,
};

// One cell of delimited text and whether it was written between quotes.
struct DelimitedCell {
    QString text;
    bool quoted = false;
};

// The first `count` cells of delimited text in reading order, a line end ending a cell as the
// separator does (an empty line is one empty cell), and where reading stopped: at the separator
// or line end after the last cell, or at the end of the text.
struct DelimitedCells {
    std::vector<DelimitedCell> cells;
    qsizetype end = 0;
};
DelimitedCells readCells(QStringView text, QChar separator, QuoteRule rule, int count);
