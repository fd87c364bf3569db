#pragma once

#include "io/WorkbookReader.h"

#include <QHash>
#include <QStringList>

#include <optional>

// The sheets of an .xlsx workbook (Office Open XML), read from its parts as the package's
// relationships name them (relative or absolute): the workbook's sheets with their names and
// states, each cell's value by its type (number, shared or inline string, a formula's cached
// result, boolean, error), dates and times by their number formats, hidden rows and columns and
// merged ranges. Shared strings are read only for the cells of the sheet read.
class XlsxReader : public WorkbookReader {
public:
    explicit XlsxReader(ZipArchive& archive)
        : archive_(archive) {}

    // Whether the archive is an Office Open XML package with a workbook in it.
    static bool isXlsx(ZipArchive& archive);

    Result<std::vector<SheetEntry>> sheets() override;
    Result<bool> holdsTable(std::size_t sheet) override;
    Result<void> read(std::size_t sheet, SheetCells& cells) override;

private:
    struct SharedCell {
        std::int64_t row = 0;
        std::int64_t column = 0;
        qint64 index = 0;
    };

    Result<void> readCells(std::size_t sheet, SheetCells& cells, bool untilNumber);
    Result<void> readStyles();
    Result<void> readSharedStrings(const std::vector<SharedCell>& wanted, SheetCells& cells);
    QString numberText(QStringView value, qint64 style, bool& number) const;

    ZipArchive& archive_;
    QStringList parts_; // each sheet's part, empty for one that holds no cells (a chart)
    QString stylesPart_;
    QString stringsPart_;
    bool from1904_ = false;
    bool stylesRead_ = false;
    QHash<qint64, QString> formats_;  // number format codes by id
    std::vector<qint64> cellFormats_; // the number format id of each cell style
};
