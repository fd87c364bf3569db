#include "io/DataFile.h"

#include "data/BoxNames.h"
#include "io/DataFileFormat.h"
#include "io/FileError.h"
#include "io/SaveFile.h"
#include "io/TableFileBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>

SaveOutcome saveDataFile(const QString& path, const DataTable& table) {
    EncodedTable encoded = encodeDataFile(table);
    return {saveBytes(path, encoded.bytes), std::move(encoded.lossyCells)};
}

bool LoadOutcome::complete() const {
    return error.isEmpty() && fields == DataFileFields;
}

LoadOutcome loadDataFile(const QString& path, DataTable& table) {
    LoadOutcome outcome;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        outcome.error = fileErrorReason(path, errno);
        return outcome;
    }
    if (QFileInfo(path).isFile() && file.size() > MaxTableFileBytes) {
        outcome.error = tooLargeReason();
        return outcome;
    }
    // Mapped rather than read: only the first 156 fields are looked at.
    if (const uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr) {
        outcome.fields = decodeDataFile(reinterpret_cast<const char*>(mapped), file.size(), table);
        return outcome;
    }
    QByteArray bytes;
    outcome.error = readTableFileBytes(path, bytes);
    if (outcome.error.isEmpty())
        outcome.fields = decodeDataFile(bytes.constData(), bytes.size(), table);
    return outcome;
}

QString saveMessage(const QString& path, const SaveOutcome& outcome) {
    if (!outcome.error.isEmpty())
        return QStringLiteral("ファイル「%1」に保存できませんでした。\n%2")
            .arg(path, outcome.error);
    if (outcome.lossyCells.empty())
        return {};
    QStringList boxes;
    for (const auto& [r, c] : outcome.lossyCells)
        boxes << cellBoxName(r, c);
    return QStringLiteral(
               "ファイル「%1」に保存しました。ただし次の欄には保存できない文字があったため、"
               "その文字を「?」に置き換えました。\n%2")
        .arg(path, boxes.join(QStringLiteral("、")));
}

QString loadMessage(const QString& path, const LoadOutcome& outcome) {
    if (!outcome.error.isEmpty())
        return QStringLiteral("ファイル「%1」を読み込めませんでした。\n%2")
            .arg(path, outcome.error);
    if (outcome.fields < DataFileFields)
        return QStringLiteral(
                   "ファイル「%1」のデータは不完全です（%2 項目のうち %3 項目しかありません）。"
                   "何も読み込みませんでした。")
            .arg(path)
            .arg(DataFileFields)
            .arg(outcome.fields);
    return {};
}
