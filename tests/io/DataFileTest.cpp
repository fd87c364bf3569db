#include "Printers.h"

#include "data/DataTable.h"
#include "io/DataFile.h"
#include "io/DataFileFormat.h"
#include "io/PictureFile.h"
#include "io/SaveFile.h"

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
    const SaveOutcome saved = saveDataFile(path, table);
    EXPECT_TRUE(saved.error.isEmpty());
    EXPECT_TRUE(saveMessage(path, saved).isEmpty());
    EXPECT_EQ(contents(path), encodeDataFile(table).bytes) << "saved under the name as given";

    DataTable loaded;
    const LoadOutcome outcome = loadDataFile(path, loaded);
    EXPECT_TRUE(outcome.complete());
    EXPECT_EQ(loaded, table);
}

TEST(DataFile, ReplacesAFileOnlyWhenTheNewOneIsComplete) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    DataTable table;
    ASSERT_TRUE(saveDataFile(path, table).error.isEmpty());
    const QByteArray old = contents(path);

    // A folder of that name cannot be written over.
    const QString folder = dir.filePath(QStringLiteral("folder.txt"));
    QDir().mkdir(folder);
    const SaveOutcome failed = saveDataFile(folder, table);
    EXPECT_FALSE(failed.error.isEmpty());
    EXPECT_TRUE(saveMessage(folder, failed).contains(folder));

    const QString missing = dir.filePath(QStringLiteral("no/such/dir.txt"));
    EXPECT_FALSE(saveDataFile(missing, table).error.isEmpty());
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
        EXPECT_EQ(saveDataFile(data, table).error, QString());
        EXPECT_EQ(savePicture(image, picture), std::nullopt);
        EXPECT_FALSE(QFile(dir.filePath(QStringLiteral("new.txt"))).open(QIODevice::WriteOnly))
            << "the folder takes no new file";
    }
    EXPECT_EQ(contents(data), encodeDataFile(table).bytes);
    EXPECT_EQ(loadPicture(picture).image.convertToFormat(QImage::Format_RGB32), image);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(SaveFile, ABatchWritesNewFilesDirectlyAndStillReplacesOldOnesWhole) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("new.png"));
    const QString old = dir.filePath(QStringLiteral("old.png"));
    ASSERT_EQ(saveBytes(old, "old"), QString());
    for (const QString& path : {fresh, old})
        EXPECT_EQ(saveBytes(path, "new", NewFile::Direct), QString());
    EXPECT_EQ(contents(fresh), "new");
    EXPECT_EQ(contents(old), "new");
    EXPECT_NE(saveBytes(dir.filePath(QStringLiteral("no/such.png")), "x", NewFile::Direct),
              QString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"new.png", "old.png"}));
}

TEST(DataFile, ReportsWhatCannotBeLoaded) {
    QTemporaryDir dir;
    DataTable table;
    table(2, 2) = 5.0;
    const DataTable before = table;

    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const LoadOutcome notThere = loadDataFile(missing, table);
    EXPECT_FALSE(notThere.complete());
    EXPECT_TRUE(loadMessage(missing, notThere).contains(missing));

    const QString shortFile = dir.filePath(QStringLiteral("short.txt"));
    QFile file(shortFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1,2,3\r\n");
    file.close();
    const LoadOutcome incomplete = loadDataFile(shortFile, table);
    EXPECT_EQ(incomplete.fields, 3);
    EXPECT_FALSE(incomplete.complete());
    EXPECT_TRUE(
        loadMessage(shortFile, incomplete).contains(QStringLiteral("156 項目のうち 3 項目")));

    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_EQ(loadDataFile(empty, table).fields, 0);

    EXPECT_FALSE(loadDataFile(dir.path(), table).complete()) << "a folder";
    EXPECT_EQ(table, before);
}

TEST(DataFile, NamesTheBoxesThatLostCharacters) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lossy.txt"));
    DataTable table;
    table(3, 0) = QStringLiteral("😀");
    table(0, 11) = QStringLiteral("é");
    table(11, 1) = QStringLiteral("ü");
    const SaveOutcome outcome = saveDataFile(path, table);
    EXPECT_TRUE(outcome.error.isEmpty());
    const QString message = saveMessage(path, outcome);
    for (const char* box : {"行ラベル 3", "列ラベル K", "タイトル"})
        EXPECT_TRUE(message.contains(QString::fromUtf8(box))) << box;
    EXPECT_TRUE(contents(path).startsWith(",,,,,,,,,,,\"?\",\r\n"));
}

} // namespace
