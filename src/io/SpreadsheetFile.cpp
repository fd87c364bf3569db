#include "io/SpreadsheetFile.h"

#include "io/OdsReader.h"
#include "io/TableFileBytes.h"
#include "io/XlsxReader.h"
#include "io/ZipArchive.h"

#include <memory>

namespace {

// An encrypted .xlsx is an OLE compound file holding the encrypted package, as an old .xls is.
const QByteArray OleSignature = QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");

// Inflated, no part may be larger than a table file, and all together no more than a few.
constexpr std::int64_t MaxPartBytes = MaxTableFileBytes;
constexpr std::int64_t MaxInflatedBytes = 4 * MaxTableFileBytes;

Failure refused(const QString& reason) {
    return {Action::LoadTable, {}, reason};
}

QString notKindMessage(SpreadsheetKind kind) {
    return kind == SpreadsheetKind::Xlsx
               ? QStringLiteral("Excel ブック（.xlsx）ではないため読み込めません。")
               : QStringLiteral(
                     "OpenDocument スプレッドシート（.ods）ではないため読み込めません。");
}

QString tooLargeMessage(const QString& sheet, std::int64_t rows, std::int64_t columns) {
    return QStringLiteral("表が大きすぎるため読み込めません。読み込めるのは見出しや注を含めて "
                          "%1 行 × %2 列までですが、このファイルのシート「%3」は %4 行 × %5 列"
                          "以上です。")
        .arg(SheetCells::MaxRows)
        .arg(SheetCells::MaxColumns)
        .arg(sheet)
        .arg(rows)
        .arg(columns);
}

std::unique_ptr<WorkbookReader> readerOf(ZipArchive& archive, SpreadsheetKind kind) {
    if (kind == SpreadsheetKind::Xlsx && XlsxReader::isXlsx(archive))
        return std::make_unique<XlsxReader>(archive);
    if (kind == SpreadsheetKind::Ods && OdsReader::isOds(archive))
        return std::make_unique<OdsReader>(archive);
    return nullptr;
}

// The sheet named by the request, by its name or its number among the shown sheets.
std::optional<std::size_t> namedSheet(const std::vector<SheetEntry>& sheets, const QString& name) {
    for (std::size_t i = 0; i < sheets.size(); ++i)
        if (sheets[i].name == name)
            return i;
    bool number = false;
    qsizetype wanted = name.toLongLong(&number);
    for (std::size_t i = 0; i < sheets.size() && number; ++i)
        if (sheets[i].visible && --wanted == 0)
            return i;
    return std::nullopt;
}

// The sheet to read, or why there is none.
Result<std::size_t> chooseSheet(WorkbookReader& reader, const std::vector<SheetEntry>& sheets,
                                const SheetRequest& request) {
    if (!request.sheet.isEmpty()) {
        if (const std::optional<std::size_t> named = namedSheet(sheets, request.sheet))
            return *named;
        QStringList names;
        for (const SheetEntry& sheet : sheets)
            names << sheet.name;
        return refused(QStringLiteral("シート「%1」がありません。このファイルのシートは %2 です。")
                           .arg(request.sheet, names.join(QStringLiteral("、"))));
    }
    std::vector<std::size_t> tables;
    QStringList names;
    std::optional<std::size_t> firstShown;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (!sheets[i].visible)
            continue;
        firstShown = firstShown.value_or(i);
        const Result<bool> holds = reader.holdsTable(i);
        if (!holds)
            return holds.failure();
        if (*holds) {
            tables.push_back(i);
            names << sheets[i].name;
        }
    }
    if (!firstShown)
        return refused(QStringLiteral("表示されているシートがありません。"));
    if (tables.empty())
        return *firstShown;
    if (tables.size() == 1 || !request.choose)
        return tables.front();
    const std::optional<qsizetype> chosen = request.choose(names);
    if (!chosen || *chosen < 0 || *chosen >= names.size())
        return refused(QStringLiteral("シートが選ばれなかったため読み込みませんでした。"));
    return tables[static_cast<std::size_t>(*chosen)];
}

} // namespace

Result<SheetTable> readSpreadsheet(const QByteArray& bytes, SpreadsheetKind kind,
                                   const SheetRequest& request) {
    if (bytes.isEmpty())
        return refused(QStringLiteral("ファイルが空です。"));
    if (bytes.startsWith(OleSignature))
        return refused(
            QStringLiteral("パスワードで保護されたファイルか、古い形式（.xls）のファイルのため"
                           "読み込めません。保護を外して .xlsx か .ods の形式で保存し直して"
                           "ください。"));
    const std::unique_ptr<ZipArchive> archive =
        ZipArchive::open(bytes, MaxPartBytes, MaxInflatedBytes);
    const std::unique_ptr<WorkbookReader> reader = archive ? readerOf(*archive, kind) : nullptr;
    if (!reader)
        return refused(notKindMessage(kind));
    const Result<std::vector<SheetEntry>> sheets = reader->sheets();
    if (!sheets)
        return sheets.failure();
    if (sheets->empty())
        return refused(QStringLiteral("シートが 1 枚もありません。"));
    const Result<std::size_t> chosen = chooseSheet(*reader, *sheets, request);
    if (!chosen)
        return chosen.failure();
    const QString name = (*sheets)[*chosen].name;
    SheetCells cells;
    if (const Result<void> read = reader->read(*chosen, cells); !read)
        return read.failure();
    if (cells.full())
        return refused(tooLargeMessage(name, cells.rows(), cells.columns()));
    return SheetTable{cells.table(), name};
}

std::optional<SpreadsheetKind> spreadsheetKindOf(const QByteArray& bytes) {
    const std::unique_ptr<ZipArchive> archive =
        ZipArchive::open(bytes, MaxPartBytes, MaxInflatedBytes);
    if (!archive)
        return std::nullopt;
    if (XlsxReader::isXlsx(*archive))
        return SpreadsheetKind::Xlsx;
    if (OdsReader::isOds(*archive))
        return SpreadsheetKind::Ods;
    return std::nullopt;
}
