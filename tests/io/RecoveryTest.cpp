#include "Printers.h"

#include "data/TableContents.h"
#include "io/RecoveryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TableContents sampleState() {
    TableContents boxes;
    boxes.setColumnLabel(1, QStringLiteral("食品"));
    boxes.setRowLabel(1, QStringLiteral("Ελλάδα \"q\",\n😀")); // not in code page 932
    boxes.setValue(10, 12, QString(100000, u'x'));
    boxes.setDescription(Description::Author, QStringLiteral("作者"));
    boxes.size = GraphSize::Tall;
    boxes.unshown[0] = QStringLiteral("隅");
    boxes.unshown[8] = 2.5;
    boxes.file = QStringLiteral("/tmp/表.txt");
    return boxes;
}

TEST(RecoveryFileTest, ReadsBackWhatItWroteAndRefusesAnythingElseWhole) {
    const TableContents state = sampleState();
    const QByteArray bytes = encodeRecovery(state);
    EXPECT_EQ(decodeRecovery(bytes), state);

    QByteArray laterFormat = bytes;
    laterFormat.replace("\"format\": 1", "\"format\": 2");
    QByteArray numberInABox = bytes;
    numberInABox.replace("\"食品\"", "12");
    QByteArray unknownSize = bytes;
    unknownSize.replace("\"tall\"", "\"huge\"");
    QByteArray listInAnUnshownCell = bytes;
    listInAnUnshownCell.replace("2.5", "[]");
    const QByteArray refused[] = {listInAnUnshownCell,
                                  QByteArray(),
                                  QByteArray("\0\0\0\0", 4),
                                  bytes.left(bytes.size() / 2),
                                  laterFormat,
                                  numberInABox,
                                  unknownSize,
                                  QByteArray(R"({"format": 1, "grid": [], "descriptions": []})")};
    for (const QByteArray& damaged : refused)
        EXPECT_EQ(decodeRecovery(damaged), std::nullopt) << damaged.left(80).toStdString();
    ASSERT_NE(laterFormat, bytes);
    ASSERT_NE(numberInABox, bytes);
    ASSERT_NE(unknownSize, bytes);
    ASSERT_NE(listInAnUnshownCell, bytes);
}

TEST(RecoveryStoreTest, AFileIsLeftOverOnlyOnceItsInstanceIsGone) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state/tallyfold"));
    auto running = std::make_unique<RecoveryStore>(folder);
    RecoveryStore other(folder);
    running->write(sampleState());
    running->flush();
    other.write(TableContents{});
    other.flush();
    EXPECT_EQ(RecoveryStore(folder).takeLeftover(), std::nullopt) << "both still run";

    const QString left = running->path();
    running.reset(); // as a crash leaves it: the file stays, the lock goes
    RecoveryStore next(folder);
    const std::optional<RecoveryStore::Leftover> leftover = next.takeLeftover();
    ASSERT_TRUE(leftover);
    EXPECT_EQ(leftover->path, left);
    EXPECT_EQ(RecoveryStore(folder).takeLeftover(), std::nullopt) << "taken by the next start";

    other.remove();
    EXPECT_FALSE(QFile::exists(other.path()));
    other.write(sampleState());
    other.flush();
    EXPECT_FALSE(QFile::exists(other.path())) << "nothing is written after the end";
}

} // namespace
