#include "Printers.h"

#include "data/DataTable.h"
#include "data/EntryGrid.h"
#include "io/FileError.h"
#include "io/PictureFile.h"
#include "io/SaveFile.h"
#include "io/TableFiles.h"

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
    ASSERT_TRUE(saveBytes(Action::SaveTable, plain, "x"));
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
        const DataTable table;
        const Failure expected{Action::SaveTable, c.path, QString::fromUtf8(c.reason) + u'。'};
        const auto as = [&](Action action) { return Failure{action, c.path, expected.reason}; };
        const std::pair<Failure, Failure> failures[] = {
            {saveTable(c.path, DataFormat::Text, table).failure(), expected},
            {saveTable(c.path, DataFormat::Csv, table).failure(), expected},
            {savePicture(picture, c.path).failure(), as(Action::SavePicture)},
            {saveBytes(Action::SaveTable, c.path, "x", NewFile::Direct).failure(), expected},
            {loadTable(c.path, DataFormat::Text).failure(), as(Action::LoadTable)},
            {loadTable(c.path, DataFormat::Csv).failure(), as(Action::LoadTable)},
            {loadPicture(c.path).failure(), as(Action::LoadPicture)},
        };
        for (const auto& [failure, wanted] : failures)
            EXPECT_EQ(failure, wanted) << c.path.toStdString();
    }
}

TEST(FileError, AFullDeviceIsWrittenIntoAndSaysTheDiskIsFull) {
    const QString full = QStringLiteral("/dev/full");
    const Result<void> saved = saveBytes(Action::SaveTable, full, QByteArray(100000, 'x'));
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.failure().reason, fileErrorReason(ENOSPC));
    EXPECT_FALSE(QFileInfo(full).isFile()) << "still the device";
}

} // namespace
