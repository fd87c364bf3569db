#pragma once

#include "data/Result.h"
#include "io/SheetCells.h"

#include <QString>

#include <vector>

class QXmlStreamReader;
class ZipArchive;

// What the workbook readers (.xlsx, .ods) share: the sheets by name, and reading one sheet's cells.

struct SheetEntry {
    QString name;
    bool visible = true;
};

class WorkbookReader {
public:
    virtual ~WorkbookReader() = default;

    // The sheets in the order of their tabs; fails when the workbook is broken.
    virtual Result<std::vector<SheetEntry>> sheets() = 0;
    // Whether the sheet (an index into sheets()) holds a table: a number cell. Reads it only up
    // to its first one.
    virtual Result<bool> holdsTable(std::size_t sheet) = 0;
    // Reads the sheet's cells until it ends or `cells` is full.
    virtual Result<void> read(std::size_t sheet, SheetCells& cells) = 0;
};

// The failure of a reader that stopped on its XML: broken, or larger than the archive allows.
Failure workbookFailure(const ZipArchive& archive);
// The failure when the XML stopped with an error, else success.
Result<void> xmlResult(const QXmlStreamReader& xml, const ZipArchive& archive);
