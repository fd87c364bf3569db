#include "data/InputData.h"
#include "data/DataTable.h"
#include "data/RuntimeError.h"
#include "data/TableContents.h"

#include "Printers.h"

#include <gtest/gtest.h>

namespace {

TEST(InputData, EmptyBoxesGiveZerosAndEmptyTextsAndLeaveUnusedCells) {
    DataTable table;
    table(0, 0) = QStringLiteral("kept");
    table(11, 6) = 7.0;
    inputData(TableContents{}, table);

    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c)
            EXPECT_EQ(table(r, c), Cell{0.0}) << r << "," << c;
    for (int c = 1; c <= 12; ++c)
        EXPECT_EQ(table(0, c), Cell{QString()});
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(table(r, 0), Cell{QString()});
    for (int c = 1; c <= 5; ++c)
        EXPECT_EQ(table(11, c), Cell{QString()});

    EXPECT_EQ(table(0, 0), Cell{QStringLiteral("kept")});
    EXPECT_EQ(table(11, 6), Cell{7.0});
    EXPECT_TRUE(isEmpty(table(11, 0)));
    EXPECT_TRUE(isEmpty(table(11, 12)));
}

TEST(InputData, EveryBoxFeedsItsOwnCell) {
    TableContents boxes;
    for (int r = 1; r <= 10; ++r) {
        boxes.setRowLabel(r, QStringLiteral(" row %1 ").arg(r));
        for (int c = 1; c <= 12; ++c)
            boxes.setValue(r, c, QString::number(r * 100 + c));
    }
    for (int c = 1; c <= 12; ++c)
        boxes.setColumnLabel(c, QStringLiteral("列%1").arg(c));
    for (Description which : AllDescriptions)
        boxes.setDescription(which, QStringLiteral("d%1").arg(static_cast<int>(which)));

    DataTable table;
    inputData(boxes, table);

    EXPECT_EQ(table(1, 1), Cell{101.0});
    EXPECT_EQ(table(1, 12), Cell{112.0});
    EXPECT_EQ(table(10, 1), Cell{1001.0});
    EXPECT_EQ(table(10, 12), Cell{1012.0});
    EXPECT_EQ(table(0, 1), Cell{QStringLiteral("列1")});
    EXPECT_EQ(table(0, 12), Cell{QStringLiteral("列12")});
    EXPECT_EQ(table(3, 0), Cell{QStringLiteral(" row 3 ")}); // blanks kept
    for (Description which : AllDescriptions) {
        const int c = static_cast<int>(which);
        EXPECT_EQ(table(11, c), Cell{QStringLiteral("d%1").arg(c)});
    }

    const DataTable first = table;
    inputData(boxes, table);
    EXPECT_EQ(table, first);
}

TEST(InputData, ValuesPassThroughTheNumericPrefix) {
    TableContents boxes;
    boxes.setValue(2, 1, QStringLiteral("abc"));
    boxes.setValue(2, 2, QStringLiteral(" 7.5 "));
    boxes.setValue(2, 3, QStringLiteral("1e3"));
    boxes.setValue(2, 4, QStringLiteral("-4"));
    boxes.setValue(2, 5, QStringLiteral("&H10"));
    boxes.setValue(2, 6, QStringLiteral("3,5"));
    DataTable table;
    inputData(boxes, table);
    const double expected[] = {0, 7.5, 1000, -4, 16, 3};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(table(2, c), Cell{expected[c - 1]}) << c;
}

TEST(InputData, OverflowStopsAtTheBoxAndKeepsWhatWasTyped) {
    TableContents boxes;
    boxes.setValue(3, 5, QStringLiteral("1e400"));
    boxes.setValue(3, 4, QStringLiteral("8"));
    boxes.setValue(3, 6, QStringLiteral("9"));
    boxes.setDescription(Description::Title, QStringLiteral("new title"));
    DataTable table;
    table(3, 6) = 1.0;
    table(11, 1) = QStringLiteral("old title");

    try {
        inputData(boxes, table);
        FAIL() << "no overflow reported";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
    EXPECT_EQ(table(3, 4), Cell{8.0}); // before the box: new value
    EXPECT_EQ(table(3, 6), Cell{1.0}); // after it: untouched
    EXPECT_EQ(table(11, 1), Cell{QStringLiteral("old title")});
    EXPECT_EQ(boxes.value(3, 5), QStringLiteral("1e400")); // the box keeps its text
}

} // namespace
