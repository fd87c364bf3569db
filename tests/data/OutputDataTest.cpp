#include "Printers.h"

#include "data/DataTable.h"
#include "data/InputData.h"
#include "data/OutputData.h"
#include "data/TableContents.h"

#include <gtest/gtest.h>

namespace {

TableContents filledBoxes() {
    TableContents boxes;
    for (int r = 1; r <= 10; ++r) {
        boxes.setRowLabel(r, QStringLiteral("r%1").arg(r));
        for (int c = 1; c <= 12; ++c)
            boxes.setValue(r, c, QStringLiteral("x"));
    }
    for (int c = 1; c <= 12; ++c)
        boxes.setColumnLabel(c, QStringLiteral("c%1").arg(c));
    for (Description which : AllDescriptions)
        boxes.setDescription(which, QStringLiteral("d"));
    return boxes;
}

TEST(TextClr, FirstEmptiesTheValuesSecondTheLabelsAndDescriptions) {
    TableContents boxes = filledBoxes();
    textClr1(boxes);
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c)
            EXPECT_TRUE(boxes.value(r, c).isEmpty());
    EXPECT_EQ(boxes.rowLabel(10), QStringLiteral("r10"));
    EXPECT_EQ(boxes.columnLabel(12), QStringLiteral("c12"));
    EXPECT_EQ(boxes.description(Description::Title), QStringLiteral("d"));

    textClr2(boxes);
    for (int r = 1; r <= 10; ++r)
        EXPECT_TRUE(boxes.rowLabel(r).isEmpty());
    for (int c = 1; c <= 12; ++c)
        EXPECT_TRUE(boxes.columnLabel(c).isEmpty());
    for (Description which : AllDescriptions)
        EXPECT_TRUE(boxes.description(which).isEmpty());
}

TEST(OutputData, ShowsEachCellByItsState) {
    DataTable table;
    table(1, 1) = 1.0;
    table(1, 2) = 2.5;
    table(1, 3) = 0.0;
    table(1, 4) = QStringLiteral("abc"); // a value field loaded as text
    table(1, 5) = -3.0;
    table(1, 6) = 1e15;
    table(1, 7) = 1e-5;
    table(2, 0) = QStringLiteral(" label ");
    table(0, 12) = QStringLiteral("L");
    table(11, 5) = QStringLiteral("author");
    // (1, 8) .. stay empty

    TableContents boxes = filledBoxes();
    outputData(table, boxes);
    const char* expected[] = {"1", "2.5", "0", "abc", "-3", "1E+15", "1E-05", "", ""};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(boxes.value(1, c), QString::fromUtf8(expected[c - 1])) << c;
    EXPECT_EQ(boxes.rowLabel(1), QString()) << "empty cell, box emptied";
    EXPECT_EQ(boxes.rowLabel(2), QStringLiteral(" label "));
    EXPECT_EQ(boxes.columnLabel(12), QStringLiteral("L"));
    EXPECT_EQ(boxes.description(Description::Author), QStringLiteral("author"));
    EXPECT_EQ(boxes.description(Description::Title), QString());
}

TEST(OutputData, InputDataReadsBackEveryNumberOfUpTo15Digits) {
    const double numbers[] = {0.1,
                              -0.25,
                              123456789012345.0,
                              1.5e-7,
                              9.87654321098765e20,
                              -7.0,
                              3.14159265358979,
                              1e300,
                              0.0001,
                              0.3,
                              1234.56,
                              -1e-300,
                              2.5e-5};
    DataTable table;
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c)
            table(r, c) = numbers[(r * 12 + c) % std::size(numbers)];
    TableContents boxes;
    outputData(table, boxes);
    DataTable again;
    inputData(boxes, again);
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 12; ++c)
            EXPECT_EQ(again(r, c), table(r, c)) << r << "," << c;
}

} // namespace
