#include "io/OdsReader.h"

#include "data/NumberFormat.h"
#include "io/ZipArchive.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <memory>

namespace {

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");

QStringView attribute(const QXmlStreamReader& xml, QStringView ns, QStringView name) {
    for (const QXmlStreamAttribute& attribute : xml.attributes())
        if (attribute.name() == name && attribute.namespaceUri() == ns)
            return attribute.value();
    return {};
}

// A repeat count: at least 1, and at most what a sheet can hold.
std::int64_t repeats(const QXmlStreamReader& xml, QStringView name) {
    bool ok = false;
    const qint64 count = attribute(xml, TableNs, name).toLongLong(&ok);
    return ok ? std::clamp<qint64>(count, 1, qint64(1) << 31) : 1;
}

bool hiddenByVisibility(const QXmlStreamReader& xml) {
    const QStringView visibility = attribute(xml, TableNs, u"visibility");
    return visibility == u"collapse" || visibility == u"filter";
}

bool isElement(const QXmlStreamReader& xml, const QString& ns, QStringView name) {
    return xml.namespaceUri() == ns && xml.name() == name;
}

// The text of a paragraph (text:p) as it shows: spans and links joined, text:s as its count of
// spaces, tabs and line breaks as themselves; notes and other objects left out, and spans nested
// deeper than any writer nests them.
void paragraphText(QXmlStreamReader& xml, QString& text, int depth = 0) {
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            return;
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            if (isElement(xml, TextNs, u"s")) {
                bool ok = false;
                const int count = attribute(xml, TextNs, u"c").toInt(&ok);
                text += QString(ok ? std::clamp(count, 1, 1000) : 1, u' ');
                xml.skipCurrentElement();
            } else if (isElement(xml, TextNs, u"tab")) {
                text += u'\t';
                xml.skipCurrentElement();
            } else if (isElement(xml, TextNs, u"line-break")) {
                text += u'\n';
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == TextNs && xml.name() != u"note" && depth < 16) {
                paragraphText(xml, text, depth + 1); // span, a, and the like
            } else {
                xml.skipCurrentElement();
            }
        }
    }
}

struct CellValue {
    QString text;
    bool number = false;
};

// The value of the cell the reader stands on, reading through its end.
CellValue cellValue(QXmlStreamReader& xml) {
    const QString type = attribute(xml, OfficeNs, u"value-type").toString();
    CellValue value;
    QString shown;
    bool firstParagraph = true;
    const QString valueText = attribute(xml, OfficeNs, u"value").toString();
    const QString dateValue = attribute(xml, OfficeNs, u"date-value").toString();
    const QString timeValue = attribute(xml, OfficeNs, u"time-value").toString();
    const QStringView boolean = attribute(xml, OfficeNs, u"boolean-value");
    const QString stringValue = attribute(xml, OfficeNs, u"string-value").toString();
    while (xml.readNextStartElement()) {
        if (isElement(xml, TextNs, u"p")) {
            if (!firstParagraph)
                shown += u'\n';
            firstParagraph = false;
            paragraphText(xml, shown);
        } else {
            xml.skipCurrentElement(); // notes (office:annotation), drawings
        }
    }
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        bool ok = false;
        const double number = valueText.toDouble(&ok);
        value.number = ok;
        value.text = ok ? generalNumber(number) : shown;
    } else if (type == u"boolean") {
        value.text = boolean == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    } else if (type == u"date") {
        value.text = shown.isEmpty() ? dateValue : shown;
    } else if (type == u"time") {
        value.text = shown.isEmpty() ? timeValue : shown;
    } else {
        value.text = stringValue.isEmpty() ? shown : stringValue;
    }
    return value;
}

} // namespace

bool OdsReader::isOds(ZipArchive& archive) {
    if (!archive.contains(QStringLiteral("content.xml")))
        return false;
    if (!archive.contains(QStringLiteral("mimetype")))
        return true;
    const std::optional<QByteArray> type = archive.readAll(QStringLiteral("mimetype"), 256);
    return type && type->trimmed() == "application/vnd.oasis.opendocument.spreadsheet";
}

Result<std::vector<SheetEntry>> OdsReader::sheets() {
    std::vector<SheetEntry> found;
    if (const Result<void> walked = walk(-1, nullptr, false, found); !walked)
        return walked.failure();
    return found;
}

Result<bool> OdsReader::holdsTable(std::size_t sheet) {
    if (sheet < holdsNumber_.size())
        return bool(holdsNumber_[sheet]);
    SheetCells cells;
    std::vector<SheetEntry> found;
    if (const Result<void> walked = walk(static_cast<qint64>(sheet), &cells, true, found); !walked)
        return walked.failure();
    return cells.holdsNumber();
}

Result<void> OdsReader::read(std::size_t sheet, SheetCells& cells) {
    std::vector<SheetEntry> found;
    return walk(static_cast<qint64>(sheet), &cells, false, found);
}

Result<void> OdsReader::walk(qint64 wanted, SheetCells* cells, bool untilNumber,
                             std::vector<SheetEntry>& found) {
    const std::unique_ptr<QIODevice> device = archive_.entry(QStringLiteral("content.xml"));
    if (!device)
        return workbookFailure(archive_);
    QXmlStreamReader xml(device.get());
    QString style; // the table style being read
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (isElement(xml, StyleNs, u"style")) {
            style = attribute(xml, StyleNs, u"family") == u"table"
                        ? attribute(xml, StyleNs, u"name").toString()
                        : QString();
        } else if (isElement(xml, StyleNs, u"table-properties") && !style.isEmpty()) {
            if (attribute(xml, TableNs, u"display") == u"false")
                hiddenTableStyles_.insert(style);
        } else if (isElement(xml, TableNs, u"table")) {
            found.push_back(
                {attribute(xml, TableNs, u"name").toString(),
                 !hiddenTableStyles_.contains(attribute(xml, TableNs, u"style-name").toString())});
            if (wanted < 0) {
                // Read whole, within the bounds: a table that outgrows them ends the list, as
                // the tables after it could be found only by going through all of its rows.
                SheetCells scanned;
                if (found.back().visible)
                    readTable(xml, scanned, false);
                else
                    xml.skipCurrentElement();
                holdsNumber_.push_back(scanned.holdsNumber());
                if (scanned.full())
                    return {};
                continue;
            }
            if (static_cast<qint64>(found.size()) - 1 != wanted) {
                xml.skipCurrentElement();
                continue;
            }
            readTable(xml, *cells, untilNumber);
            if (cells->full() || (untilNumber && cells->holdsNumber()))
                return {};
            return xmlResult(xml, archive_);
        }
    }
    return xmlResult(xml, archive_);
}

void OdsReader::readTable(QXmlStreamReader& xml, SheetCells& cells, bool untilNumber) {
    const auto stop = [&] { return cells.full() || (untilNumber && cells.holdsNumber()); };
    std::int64_t row = 0;
    std::int64_t column = 0;
    std::int64_t rowRepeats = 1;
    int depth = 1; // inside the table
    while (depth > 0 && !xml.atEnd() && !xml.hasError() && !stop()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (isElement(xml, TableNs, u"table-row"))
                row += rowRepeats;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        if (isElement(xml, TableNs, u"table-column")) {
            const std::int64_t count = repeats(xml, u"number-columns-repeated");
            if (hiddenByVisibility(xml))
                cells.hideColumns(column, column + count - 1);
            column += count;
        } else if (isElement(xml, TableNs, u"table-row")) {
            rowRepeats = repeats(xml, u"number-rows-repeated");
            column = 0;
            if (hiddenByVisibility(xml))
                cells.hideRows(row, row + rowRepeats - 1);
        } else if (isElement(xml, TableNs, u"table-cell") ||
                   isElement(xml, TableNs, u"covered-table-cell")) {
            const bool covered = xml.name() == u"covered-table-cell";
            const std::int64_t count = repeats(xml, u"number-columns-repeated");
            const std::int64_t across = repeats(xml, u"number-columns-spanned");
            const std::int64_t down = repeats(xml, u"number-rows-spanned");
            if (!covered && (across > 1 || down > 1))
                cells.merge(row, column, row + down - 1, column + across - 1);
            const CellValue value = cellValue(xml);
            --depth; // cellValue read through the cell's end
            if (!covered && !value.text.isEmpty()) {
                // Only as many copies as can fit the bounds: more fill the cells up.
                const std::int64_t rows =
                    cells.rowHidden(row) ? 1 : std::min(rowRepeats, SheetCells::MaxRows + 1);
                const std::int64_t columns = std::min(count, SheetCells::MaxColumns + 1);
                for (std::int64_t r = 0; r < rows && !stop(); ++r)
                    for (std::int64_t c = 0; c < columns && !stop(); ++c)
                        cells.add(row + r, column + c, value.text, value.number);
            }
            column += count;
        } else if (!isElement(xml, TableNs, u"table-rows") &&
                   !isElement(xml, TableNs, u"table-header-rows") &&
                   !isElement(xml, TableNs, u"table-row-group") &&
                   !isElement(xml, TableNs, u"table-columns") &&
                   !isElement(xml, TableNs, u"table-header-columns") &&
                   !isElement(xml, TableNs, u"table-column-group")) {
            xml.skipCurrentElement(); // shapes, named ranges, scenarios
            --depth;
        }
    }
}
