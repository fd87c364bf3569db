#include "io/WorkbookReader.h"

#include "io/ZipArchive.h"

#include <QXmlStreamReader>

Failure workbookFailure(const ZipArchive& archive) {
    return {Action::LoadTable,
            {},
            archive.overBudget() ? QStringLiteral("ファイルの中身が大きすぎるため読み込めません。")
                                 : QStringLiteral("ファイルが壊れているため読み込めません。")};
}

Result<void> xmlResult(const QXmlStreamReader& xml, const ZipArchive& archive) {
    if (xml.hasError())
        return workbookFailure(archive);
    return {};
}
