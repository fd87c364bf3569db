#pragma once

#include "io/WorkbookReader.h"

#include <QSet>
#include <QString>

#include <optional>

class QXmlStreamReader;

// The sheets of an .ods workbook (OpenDocument), read from content.xml: its tables with their
// names, hidden ones by their style (table:display="false"), rows and cells with their repeat
// counts, so that the millions of empty rows a spreadsheet writes at the end cost nothing, covered
// and spanned cells, each value by its type, and rows and columns hidden or filtered out. All
// tables are in the one part, so the tables after one too large to read are not looked for.
class OdsReader : public WorkbookReader {
public:
    explicit OdsReader(ZipArchive& archive)
        : archive_(archive) {}

    // Whether the archive is an OpenDocument spreadsheet: content.xml, and a mimetype entry, if
    // any, that names a spreadsheet.
    static bool isOds(ZipArchive& archive);

    Result<std::vector<SheetEntry>> sheets() override;
    Result<bool> holdsTable(std::size_t sheet) override;
    Result<void> read(std::size_t sheet, SheetCells& cells) override;

private:
    // Goes through content.xml, reading the cells of table `wanted` into `cells` and naming every
    // table until then in `found`; with `wanted` -1, names the tables and finds which shown ones
    // hold a number, in the same pass, up to the first shown table too large to read.
    Result<void> walk(qint64 wanted, SheetCells* cells, bool untilNumber,
                      std::vector<SheetEntry>& found);
    // Reads the table's cells until its end, until `cells` is full or, with `untilNumber`, until
    // its first number cell.
    void readTable(QXmlStreamReader& xml, SheetCells& cells, bool untilNumber);

    ZipArchive& archive_;
    QSet<QString> hiddenTableStyles_;
    std::vector<bool> holdsNumber_; // of each table, once sheets() has gone through them
};
