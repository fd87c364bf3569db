#include "io/SpreadsheetFile.h"

#include "data/EntryGrid.h"
#include "io/FirstSheetImport.h"
#include "io/TableFileBytes.h"
#include "io/XmlParts.h"
#include "io/ZipEntrySizes.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <new>
#include <string_view>

namespace {

// liborcus 0.17 parses the content of an .ods file on a second thread unless told otherwise,
// and an error there other than malformed XML ends the program instead of being thrown. It is
// told here, before main, while the program has a single thread.
[[maybe_unused]] const bool OdsOnOneThread = ::setenv("ORCUS_ODS_USE_THREADS", "false", 1) == 0;

// An encrypted .xlsx is an OLE compound file holding the encrypted package, as an old .xls is.
const QByteArray OleSignature = QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");

QString tooLargeMessage(int rows, int columns) {
    return QStringLiteral("表が大きすぎるため読み込めません。読み込めるのは見出しを含めて %1 行 × "
                          "%2 列までですが、このファイルの最初のシートは %3 行 × %4 列です。")
        .arg(GridRows)
        .arg(GridColumns)
        .arg(rows)
        .arg(columns);
}

Failure refused(const QString& reason) {
    return {Action::LoadTable, {}, reason};
}

QString brokenMessage() {
    return QStringLiteral("ファイルが壊れているため読み込めません。");
}

QString notKindMessage(SpreadsheetKind kind) {
    return kind == SpreadsheetKind::Xlsx
               ? QStringLiteral("Excel ブック（.xlsx）ではないため読み込めません。")
               : QStringLiteral(
                     "OpenDocument スプレッドシート（.ods）ではないため読み込めません。");
}

bool isKind(std::string_view bytes, SpreadsheetKind kind) {
    const auto* blob = reinterpret_cast<const unsigned char*>(bytes.data());
    return kind == SpreadsheetKind::Xlsx ? orcus::orcus_xlsx::detect(blob, bytes.size())
                                         : orcus::orcus_ods::detect(blob, bytes.size());
}

void import(std::string_view bytes, SpreadsheetKind kind, FirstSheetImport& factory) {
    if (kind == SpreadsheetKind::Xlsx)
        orcus::orcus_xlsx(&factory).read_stream(bytes);
    else
        orcus::orcus_ods(&factory).read_stream(bytes);
}

int clampedSize(std::int64_t size) {
    return static_cast<int>(std::min<std::int64_t>(size, INT_MAX));
}

// Fills `factory` from the bytes, or fails when they cannot be read as a workbook of the kind.
Result<void> importInto(const QByteArray& bytes, SpreadsheetKind kind, FirstSheetImport& factory) {
    if (bytes.isEmpty())
        return refused(QStringLiteral("ファイルが空です。"));
    if (bytes.startsWith(OleSignature))
        return refused(
            QStringLiteral("パスワードで保護されたファイルか、古い形式（.xls）のファイルのため"
                           "読み込めません。保護を外して .xlsx か .ods の形式で保存し直して"
                           "ください。"));
    if (!zipEntrySizesWithin(bytes, static_cast<std::uint32_t>(MaxTableFileBytes)))
        return refused(QStringLiteral("ファイルの中身が大きすぎるため読み込めません。"));
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!xmlPartsWellFormed(view))
        return refused(brokenMessage());
    // liborcus reports what it cannot read by throwing, its own exceptions and the standard
    // library's alike: every one of them means the file cannot be read.
    try {
        if (!isKind(view, kind))
            return refused(notKindMessage(kind));
        import(view, kind, factory);
    } catch (const TooManyCells&) {
        return refused(QStringLiteral("セルが多すぎるため読み込めません。"));
    } catch (const std::bad_alloc&) {
        return refused(QStringLiteral("メモリが足りないため読み込めません。"));
    } catch (...) {
        return refused(brokenMessage());
    }
    if (!factory.firstSheet())
        return refused(QStringLiteral("シートが 1 枚もありません。"));
    // liborcus 0.17 skips a sheet whose part the workbook names by an absolute path, as some
    // writers do (openpyxl), and would leave the table empty.
    if (kind == SpreadsheetKind::Xlsx && !factory.firstSheetNamed())
        return refused(
            QStringLiteral("最初のシートの場所が読み取れないため読み込めません。Excel か "
                           "LibreOffice で開いて保存し直してください。"));
    return {};
}

} // namespace

Result<KeptBlock> readSpreadsheet(const QByteArray& bytes, SpreadsheetKind kind) {
    FirstSheetImport factory;
    if (const Result<void> imported = importInto(bytes, kind, factory); !imported)
        return imported.failure();
    const UsedRange& cells = factory.firstSheet()->cells();
    const int rows = clampedSize(cells.rows());
    const int columns = clampedSize(cells.columns());
    if (!cells.fits())
        return refused(tooLargeMessage(rows, columns));
    return KeptBlock{cells.grid(), rows, columns};
}

Result<KeptBlock> loadSpreadsheet(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (suffix != u"xlsx" && suffix != u"ods")
        return refused(QStringLiteral("表計算ソフトのファイル（.xlsx、.ods）ではありません。"));
    if (!info.exists())
        return refused(QStringLiteral("ファイルが見つかりません。"));
    // A pipe or a device has no size to check before reading.
    if (!info.isFile())
        return refused(QStringLiteral("通常のファイルではないため読み込めません。"));
    const Result<QByteArray> bytes = readTableFileBytes(path);
    if (!bytes)
        return bytes.failure();
    return readSpreadsheet(*bytes,
                           suffix == u"xlsx" ? SpreadsheetKind::Xlsx : SpreadsheetKind::Ods);
}
