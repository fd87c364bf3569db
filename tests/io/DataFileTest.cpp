#include "Printers.h"

#include "data/DataTable.h"
#include "io/DataFileFormat.h"
#include "io/PictureFile.h"
#include "io/SaveFile.h"
#include "io/TableFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DataFile, SavesAndLoadsThroughTheDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data"));
    DataTable table;
    table(1, 0) = QStringLiteral("東京");
    table(1, 1) = 0.5;
    const Result<LossyCells> saved = saveTable(path, DataFormat::Text, table);
    ASSERT_TRUE(saved);
    EXPECT_TRUE(lossyCellsMessage(path, *saved).isEmpty());
    EXPECT_EQ(contents(path), encodeDataFile(table).bytes) << "saved under the name as given";

    const Result<LoadedTable> loaded = loadTable(path, DataFormat::Text);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->dataFile, table);
}

TEST(DataFile, ReplacesAFileOnlyWhenTheNewOneIsComplete) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    DataTable table;
    ASSERT_TRUE(saveTable(path, DataFormat::Text, table));
    const QByteArray old = contents(path);

    // A folder of that name cannot be written over.
    const QString folder = dir.filePath(QStringLiteral("folder.txt"));
    QDir().mkdir(folder);
    const Result<LossyCells> failed = saveTable(folder, DataFormat::Text, table);
    ASSERT_FALSE(failed);
    EXPECT_TRUE(failureMessage(failed.failure()).contains(folder));

    const QString missing = dir.filePath(QStringLiteral("no/such/dir.txt"));
    EXPECT_FALSE(saveTable(missing, DataFormat::Text, table));
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"}) << "no leftovers";
}

// Runs the test's file operations as a user without root rights, who, unlike root, is held
// back by folder permissions; the test's own user again when it ends.
class AsOtherUser {
public:
    AsOtherUser() {
        if (geteuid() == 0)
            switched_ = setegid(65534) == 0 && seteuid(65534) == 0;
    }
    ~AsOtherUser() {
        if (switched_ && (seteuid(0) != 0 || setegid(0) != 0))
            std::abort();
    }
    bool heldBack() const { return switched_ || geteuid() != 0; }

private:
    bool switched_ = false;
};

TEST(DataFile, WritesInPlaceWhereTheFolderTakesNoNewFile) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data.txt"));
    const QString picture = dir.filePath(QStringLiteral("chart.bmp"));
    const auto everyone = QFileDevice::ReadOwner | QFileDevice::ReadOther;
    for (const QString& path : {data, picture}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(everyone | QFileDevice::WriteOwner | QFileDevice::WriteOther);
    }
    QFile::setPermissions(dir.path(), everyone | QFileDevice::ExeOwner | QFileDevice::ExeOther);
    DataTable table;
    table(1, 1) = 2.5;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        const AsOtherUser user;
        ASSERT_TRUE(user.heldBack());
        EXPECT_TRUE(saveTable(data, DataFormat::Text, table));
        EXPECT_TRUE(savePicture(image, picture));
        EXPECT_FALSE(QFile(dir.filePath(QStringLiteral("new.txt"))).open(QIODevice::WriteOnly))
            << "the folder takes no new file";
    }
    EXPECT_EQ(contents(data), encodeDataFile(table).bytes);
    EXPECT_EQ(loadPicture(picture)->convertToFormat(QImage::Format_RGB32), image);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(SaveFile, ABatchWritesNewFilesDirectlyAndStillReplacesOldOnesWhole) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("new.png"));
    const QString old = dir.filePath(QStringLiteral("old.png"));
    ASSERT_TRUE(saveBytes(Action::SavePicture, old, "old"));
    for (const QString& path : {fresh, old})
        EXPECT_TRUE(saveBytes(Action::SavePicture, path, "new", NewFile::Direct));
    EXPECT_EQ(contents(fresh), "new");
    EXPECT_EQ(contents(old), "new");
    EXPECT_FALSE(saveBytes(Action::SavePicture, dir.filePath(QStringLiteral("no/such.png")), "x",
                           NewFile::Direct));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"new.png", "old.png"}));
}

TEST(DataFile, ReportsWhatCannotBeLoaded) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const Result<LoadedTable> notThere = loadTable(missing, DataFormat::Text);
    ASSERT_FALSE(notThere);
    EXPECT_TRUE(failureMessage(notThere.failure()).contains(missing));

    const QString shortFile = dir.filePath(QStringLiteral("short.txt"));
    QFile file(shortFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1,2,3\r\n");
    file.close();
    const Result<LoadedTable> incomplete = loadTable(shortFile, DataFormat::Text);
    ASSERT_FALSE(incomplete);
    EXPECT_TRUE(
        failureMessage(incomplete.failure()).contains(QStringLiteral("156 項目のうち 3 項目")));

    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    QFile(empty).open(QIODevice::WriteOnly);
    const Result<LoadedTable> nothing = loadTable(empty, DataFormat::Text);
    ASSERT_FALSE(nothing);
    EXPECT_EQ(nothing.failure().reason, QStringLiteral("156 項目のうち 0 項目しかありません"));

    EXPECT_FALSE(loadTable(dir.path(), DataFormat::Text)) << "a folder";
}

TEST(DataFile, NamesTheBoxesThatLostCharacters) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lossy.txt"));
    DataTable table;
    table(3, 0) = QStringLiteral("😀");
    table(0, 11) = QStringLiteral("é");
    table(11, 1) = QStringLiteral("ü");
    const Result<LossyCells> saved = saveTable(path, DataFormat::Text, table);
    ASSERT_TRUE(saved);
    const QString message = lossyCellsMessage(path, *saved);
    for (const char* box : {"行ラベル 3", "列ラベル K", "タイトル"})
        EXPECT_TRUE(message.contains(QString::fromUtf8(box))) << box;
    EXPECT_TRUE(contents(path).startsWith(",,,,,,,,,,,\"?\",\r\n"));
}

} // namespace
