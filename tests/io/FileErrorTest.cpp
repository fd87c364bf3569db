#include "Printers.h"

#include "data/DataTable.h"
#include "data/EntryGrid.h"
#include "io/CsvFile.h"
#include "io/DataFile.h"
#include "io/FileError.h"
#include "io/PictureFile.h"
#include "io/SaveFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(FileError, NamesEachCauseInJapanese) {
    const struct {
        int error;
        const char* reason;
    } cases[] = {
        {ENOSPC, "ディスクに空きがありません"},
        {EDQUOT, "ディスクに空きがありません"},
        {ENOENT, "フォルダーまたはファイルがありません"},
        {ENOTDIR, "フォルダーでないものがパスの途中にあります"},
        {EISDIR, "ファイルではなくフォルダーです"},
        {EROFS, "読み取り専用のファイルシステムです"},
        {EACCES, "アクセスが許可されていません"},
        {EPERM, "アクセスが許可されていません"},
        {EFBIG, "ファイルが大きすぎます"},
        {ENAMETOOLONG, "長すぎます"},
        {EIO, "読み書きでエラー"},
        {9999, "エラー番号 9999"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(fileErrorReason(c.error).contains(QString::fromUtf8(c.reason)))
            << c.error << ": " << fileErrorReason(c.error).toStdString();
    // No English system text, whatever the number.
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (int error = 0; error < 200; ++error)
        EXPECT_FALSE(fileErrorReason(error).contains(latin)) << error;
}

TEST(FileError, SavesAndLoadsTellWhyInJapanese) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.txt"));
    ASSERT_EQ(saveBytes(plain, "x"), QString());
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing/chart.txt")), "フォルダーまたはファイルがありません"},
        {plain + QStringLiteral("/chart.txt"), "フォルダーでないものがパスの途中にあります"},
        {dir.path(), "ファイルではなくフォルダーです"},
    };
    const QImage picture(4, 3, QImage::Format_RGB32);
    for (const auto& c : cases) {
        DataTable table;
        DelimitedText read;
        const QString reason = QString::fromUtf8(c.reason);
        for (const QString& error :
             {saveDataFile(c.path, table).error, saveCsvFile(c.path, tableGrid(table)),
              savePicture(picture, c.path).value_or(QString()),
              saveBytes(c.path, "x", NewFile::Direct), loadDataFile(c.path, table).error,
              loadCsvFile(c.path, read, 1, 1), loadPicture(c.path).error})
            EXPECT_EQ(error, reason + QStringLiteral("。")) << c.path.toStdString();
    }
}

TEST(FileError, AFullDeviceIsWrittenIntoAndSaysTheDiskIsFull) {
    const QString full = QStringLiteral("/dev/full");
    EXPECT_EQ(saveBytes(full, QByteArray(100000, 'x')), fileErrorReason(ENOSPC));
    EXPECT_FALSE(QFileInfo(full).isFile()) << "still the device";
}

} // namespace
