#include "io/XlsxReader.h"

#include "data/NumberFormat.h"
#include "io/DateFormat.h"
#include "io/XmlAttribute.h"
#include "io/ZipArchive.h"

#include <QDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>

namespace {

struct Relationship {
    QString target;
    QString type; // the last word of its type: "officeDocument", "worksheet", "styles", …
};

// A part's name in the archive from a relationship's target, relative to `folder` unless it
// starts with '/'.
QString partName(const QString& folder, QStringView target) {
    const QString path =
        target.startsWith(u'/') ? target.toString() : folder + QLatin1Char('/') + target.toString();
    QString clean = QDir::cleanPath(path);
    while (clean.startsWith(u'/'))
        clean.remove(0, 1);
    return clean;
}

QString folderOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

// The relationships of `part` ("" for the package), by id; nothing when it has none.
QHash<QString, Relationship> relationships(ZipArchive& archive, const QString& part) {
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    const QString rels = (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) +
                         QStringLiteral("_rels/") + name + QStringLiteral(".rels");
    QHash<QString, Relationship> found;
    const std::unique_ptr<QIODevice> device = archive.entry(rels);
    if (!device)
        return found;
    QXmlStreamReader xml(device.get());
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        if (xmlAttribute(xml, u"TargetMode") == u"External")
            continue;
        const QStringView type = xmlAttribute(xml, u"Type");
        found.insert(xmlAttribute(xml, u"Id").toString(),
                     {partName(folder, xmlAttribute(xml, u"Target")),
                      type.mid(type.lastIndexOf(u'/') + 1).toString()});
    }
    return found;
}

// "B12" as row 11, column 1; false when it is no cell reference.
bool cellPlace(QStringView reference, std::int64_t& row, std::int64_t& column) {
    qsizetype i = 0;
    std::int64_t c = 0;
    while (i < reference.size() && reference[i] == u'$')
        ++i;
    const qsizetype lettersFrom = i;
    for (; i < reference.size() && reference[i].isLetter() && reference[i].unicode() < 128; ++i)
        c = c * 26 + (reference[i].toUpper().unicode() - u'A' + 1);
    if (i == lettersFrom || i - lettersFrom > 3)
        return false;
    if (i < reference.size() && reference[i] == u'$')
        ++i;
    bool ok = false;
    const std::int64_t r = reference.mid(i).toLongLong(&ok);
    if (!ok || r < 1 || r > (std::int64_t(1) << 31))
        return false;
    row = r - 1;
    column = c - 1;
    return true;
}

// A row's or column's number (from 1) as a place from 0, within what a sheet can hold.
std::int64_t sheetPlace(qint64 number) {
    return std::clamp<qint64>(number, 1, qint64(1) << 31) - 1;
}

bool isTrue(QStringView value) {
    return value == u"1" || value == u"true";
}

// The text of an inline or shared string (<is>, <si>): its runs joined, phonetic readings (rPh)
// left out.
QString stringItem(QXmlStreamReader& xml) {
    QString text;
    const QString end = xml.name().toString();
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isEndElement() && xml.name() == end)
            break;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"rPh" || xml.name() == u"phoneticPr")
            xml.skipCurrentElement();
        else if (xml.name() == u"t")
            text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return text;
}

} // namespace

bool XlsxReader::isXlsx(ZipArchive& archive) {
    return archive.contains(QStringLiteral("[Content_Types].xml")) &&
           archive.contains(QStringLiteral("_rels/.rels"));
}

Result<std::vector<SheetEntry>> XlsxReader::sheets() {
    QString workbook = QStringLiteral("xl/workbook.xml");
    for (const Relationship& relation : relationships(archive_, {}))
        if (relation.type == u"officeDocument")
            workbook = relation.target;
    const QHash<QString, Relationship> related = relationships(archive_, workbook);
    for (const Relationship& relation : related) {
        if (relation.type == u"styles")
            stylesPart_ = relation.target;
        else if (relation.type == u"sharedStrings")
            stringsPart_ = relation.target;
    }
    const std::unique_ptr<QIODevice> device = archive_.entry(workbook);
    if (!device)
        return Failure{Action::LoadTable,
                       {},
                       QStringLiteral("Excel ブック（.xlsx）ではないため読み込めません。")};
    std::vector<SheetEntry> found;
    QXmlStreamReader xml(device.get());
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"workbookPr") {
            from1904_ = isTrue(xmlAttribute(xml, u"date1904"));
        } else if (xml.name() == u"sheet") {
            const Relationship relation = related.value(xmlAttribute(xml, u"id").toString());
            const QStringView state = xmlAttribute(xml, u"state");
            const bool worksheet = relation.type == u"worksheet";
            found.push_back({xmlAttribute(xml, u"name").toString(),
                             worksheet && state != u"hidden" && state != u"veryHidden"});
            parts_ << (worksheet ? relation.target : QString());
        }
    }
    if (const Result<void> read = xmlResult(xml, archive_); !read)
        return read.failure();
    return found;
}

Result<void> XlsxReader::readStyles() {
    stylesRead_ = true;
    const std::unique_ptr<QIODevice> device =
        stylesPart_.isEmpty() ? nullptr : archive_.entry(stylesPart_);
    if (!device)
        return {};
    QXmlStreamReader xml(device.get());
    bool inCellFormats = false;
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"cellXfs")
            inCellFormats = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"cellXfs")
            inCellFormats = true;
        else if (xml.name() == u"numFmt")
            formats_.insert(xmlNumber(xml, u"numFmtId", -1),
                            xmlAttribute(xml, u"formatCode").toString());
        else if (xml.name() == u"xf" && inCellFormats)
            cellFormats_.push_back(xmlNumber(xml, u"numFmtId", 0));
    }
    return xmlResult(xml, archive_);
}

QString XlsxReader::numberText(QStringView value, qint64 style, bool& number) const {
    bool ok = false;
    const double parsed = value.trimmed().toDouble(&ok);
    number = ok;
    if (!ok)
        return value.toString();
    if (style >= 0 && style < static_cast<qint64>(cellFormats_.size())) {
        const qint64 id = cellFormats_[static_cast<std::size_t>(style)];
        const QString code =
            formats_.contains(id) ? formats_.value(id) : builtInDateFormat(static_cast<int>(id));
        if (isDateFormat(code)) {
            if (QString shown = formatDate(parsed, code, from1904_); !shown.isEmpty()) {
                number = false;
                return shown;
            }
        }
    }
    return generalNumber(parsed);
}

Result<bool> XlsxReader::holdsTable(std::size_t sheet) {
    SheetCells cells;
    if (const Result<void> read = readCells(sheet, cells, true); !read)
        return read.failure();
    return cells.holdsNumber();
}

Result<void> XlsxReader::read(std::size_t sheet, SheetCells& cells) {
    return readCells(sheet, cells, false);
}

Result<void> XlsxReader::readCells(std::size_t sheet, SheetCells& cells, bool untilNumber) {
    if (!stylesRead_)
        if (const Result<void> styles = readStyles(); !styles)
            return styles;
    const QString part =
        sheet < static_cast<std::size_t>(parts_.size()) ? parts_[sheet] : QString();
    const std::unique_ptr<QIODevice> device = part.isEmpty() ? nullptr : archive_.entry(part);
    if (!device)
        return part.isEmpty() ? Result<void>() : workbookFailure(archive_);
    QXmlStreamReader xml(device.get());
    std::vector<SharedCell> shared;
    std::int64_t row = -1;
    std::int64_t column = -1;
    const auto stop = [&] { return cells.full() || (untilNumber && cells.holdsNumber()); };
    while (!xml.atEnd() && !xml.hasError() && !stop()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"col") {
            const qint64 first = sheetPlace(xmlNumber(xml, u"min", 1));
            const qint64 last = sheetPlace(xmlNumber(xml, u"max", first + 1));
            if (isTrue(xmlAttribute(xml, u"hidden")))
                cells.hideColumns(first, last);
        } else if (name == u"row") {
            row = sheetPlace(xmlNumber(xml, u"r", row + 2));
            column = -1;
            if (isTrue(xmlAttribute(xml, u"hidden")))
                cells.hideRows(row, row);
        } else if (name == u"mergeCell") {
            const QStringView range = xmlAttribute(xml, u"ref");
            const qsizetype colon = range.indexOf(u':');
            std::int64_t top = 0, left = 0, bottom = 0, right = 0;
            if (colon > 0 && cellPlace(range.left(colon), top, left) &&
                cellPlace(range.mid(colon + 1), bottom, right))
                cells.merge(top, left, bottom, right);
        } else if (name == u"c") {
            std::int64_t r = row;
            std::int64_t c = column + 1;
            if (!cellPlace(xmlAttribute(xml, u"r"), r, c))
                r = std::max<std::int64_t>(row, 0);
            row = r;
            column = c;
            const QString type = xmlAttribute(xml, u"t").toString();
            const qint64 style = xmlNumber(xml, u"s", 0);
            QString value;
            QString inlineText;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"v")
                    value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                else if (xml.name() == u"is")
                    inlineText = stringItem(xml);
                else
                    xml.skipCurrentElement();
            }
            bool number = false;
            if (type == u"s") {
                bool ok = false;
                const qint64 index = value.toLongLong(&ok);
                if (ok && !untilNumber) {
                    shared.push_back({r, c, index});
                    cells.add(r, c, QStringLiteral(" "), false); // its extent, until its text comes
                }
            } else if (type == u"inlineStr") {
                cells.add(r, c, inlineText, false);
            } else if (type == u"b") {
                cells.add(r, c,
                          value.isEmpty() ? QString()
                          : isTrue(value) ? QStringLiteral("TRUE")
                                          : QStringLiteral("FALSE"),
                          false);
            } else if (type == u"str" || type == u"e" || type == u"d") {
                cells.add(r, c, value, false);
            } else if (!value.isEmpty()) {
                const QString text = numberText(value, style, number);
                cells.add(r, c, text, number);
            }
        }
    }
    if (!stop())
        if (const Result<void> done = xmlResult(xml, archive_); !done)
            return done;
    if (cells.full() || shared.empty())
        return {};
    return readSharedStrings(shared, cells);
}

Result<void> XlsxReader::readSharedStrings(const std::vector<SharedCell>& wanted,
                                           SheetCells& cells) {
    QHash<qint64, QString> texts;
    qint64 last = 0; // the strings after the last one wanted are not read
    for (const SharedCell& cell : wanted) {
        texts.insert(cell.index, QString());
        last = std::max(last, cell.index);
    }
    const std::unique_ptr<QIODevice> device =
        stringsPart_.isEmpty() ? nullptr : archive_.entry(stringsPart_);
    if (!device)
        return workbookFailure(archive_);
    QXmlStreamReader xml(device.get());
    qint64 index = 0;
    while (!xml.atEnd() && !xml.hasError() && index <= last) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"si")
            continue;
        if (const auto found = texts.find(index++); found != texts.end())
            *found = stringItem(xml);
        else
            xml.skipCurrentElement();
    }
    if (const Result<void> done = xmlResult(xml, archive_); !done)
        return done;
    for (const SharedCell& cell : wanted)
        cells.add(cell.row, cell.column, texts.value(cell.index), false);
    return {};
}
