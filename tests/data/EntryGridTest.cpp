#include "Printers.h"

#include "data/DataTable.h"
#include "data/EntryGrid.h"
#include "data/GridWith.h"
#include "data/TableContents.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryGrid, ReachesEveryBoxByItsPlaceInTheDataset) {
    const std::vector<GridCell> cells{{0, 12, "K"}, {10, 0, "r"}, {1, 1, "v"}, {10, 12, "w"}};
    TableContents boxes;
    for (const GridCell& cell : cells)
        boxes.setBoxText(cell.row, cell.column, cell.text);
    boxes.setBoxText(11, 2, QStringLiteral("unit"));
    for (const auto& [r, c] : {std::pair{0, 0}, {11, 0}, {11, 6}, {12, 1}, {1, 13}})
        boxes.setBoxText(r, c, QStringLiteral("no box"));
    EXPECT_EQ(boxes.columnLabel(12), "K");
    EXPECT_EQ(boxes.rowLabel(10), "r");
    EXPECT_EQ(boxes.value(10, 12), "w");
    EXPECT_EQ(boxes.description(Description::Unit), "unit");
    EXPECT_EQ(boxes.grid, gridWith(cells));
    EXPECT_THROW(boxes.setValue(1, 13, QStringLiteral("past L")), std::out_of_range);
    const DataTable table;
    EXPECT_THROW(static_cast<void>(table(1, 13)), std::out_of_range) << "not row 2's label";
}

TEST(EntryGrid, ShowsTheDatasetWithoutItsDescriptions) {
    DataTable table;
    table(0, 0) = QStringLiteral("corner");
    table(0, 1) = QStringLiteral("東京");
    table(1, 0) = 2020.0;
    table(1, 1) = 0.5;
    table(10, 12) = 1e16;
    table(11, 1) = QStringLiteral("title");
    EXPECT_EQ(tableGrid(table),
              gridWith({{0, 1, "東京"}, {1, 0, "2020"}, {1, 1, "0.5"}, {10, 12, "1E+16"}}));
}

TEST(EntryGrid, SavesEmptyBoxesEmptyAndNumbersAsTheChartReadsThem) {
    TableContents boxes;
    boxes.setColumnLabel(1, QStringLiteral("東京"));
    boxes.setRowLabel(1, QStringLiteral("2020"));
    boxes.setValue(1, 1, QStringLiteral("0.50"));
    boxes.setValue(1, 2, QStringLiteral(" "));
    boxes.setValue(10, 12, QStringLiteral("1e16"));
    boxes.setDescription(Description::Title, QStringLiteral("title"));
    boxes.unshown[0] = QStringLiteral("corner");
    EXPECT_EQ(tableGrid(boxes),
              gridWith({{0, 1, "東京"}, {1, 0, "2020"}, {1, 1, "0.5"}, {10, 12, "1E+16"}}));
}

TEST(BlockShape, FindsHeaderRowsAndLabelColumnsByTheirTexts) {
    const struct {
        TextGrid block;
        bool headerRow, labelColumn;
    } cases[] = {
        {{{"地域", "食品", "衣料"}, {"東京", "1", "2"}}, true, true}, // a title in the corner
        {{{"食品", "衣料"}, {"1", "2"}}, true, false},
        {{{"東京", "1", "2"}, {"大阪", "3", "4"}}, false, true},
        {{{"", "2020", "2021"}, {"東京", "1", "2"}}, true, true}, // years over row labels
        {{{"東京", "1,234", "2,000"}, {"大阪", "500", "▲100"}}, false, true},
        {{{"", "A", "B"}, {"y", "1", "2"}}, true, true},
        {{{"", "A", "B"}, {"x", "1", "2"}}, true, false}, // x: a value withheld
        {{{"1", "2"}, {"3", " "}}, false, false},
        {{{"", "1"}, {"", "-"}}, false, false}, // blanks and placeholders are no texts
        {{{"東京", "1", "2"}}, false, false},
        {{}, false, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(blockShape(cases[i].block),
                  (BlockShape{cases[i].headerRow, cases[i].labelColumn}))
            << "case " << i;

    // The program's own grid, numbers for labels included, always comes back whole.
    DataTable years;
    years(0, 1) = 2020.0;
    years(1, 0) = 1.0;
    TextGrid grid = tableGrid(years);
    EXPECT_EQ(blockShape(grid), (BlockShape{true, true}));
    grid[0][0] = QStringLiteral("x");
    EXPECT_EQ(blockShape(grid), (BlockShape{false, false}));
}

TEST(PlaceBlock, PutsLabelsInTheLabelBoxesAndOtherBlocksAtTheCaret) {
    using Cells = std::vector<GridCell>;
    const struct {
        TextGrid block;
        int row, column;
        Cells cells;
        int leftOut;
    } cases[] = {
        {{{"", "A"}, {"y", "1"}}, 4, 7, Cells{{0, 1, "A"}, {1, 0, "y"}, {1, 1, "1"}}, 0},
        {{{"地域", "食品"}, {"東京", "1,234"}},
         3,
         3,
         Cells{{0, 1, "食品"}, {1, 0, "東京"}, {1, 1, "1234"}},
         0},
        {{{"食品", "衣料"}, {"1", "▲5"}},
         3,
         3,
         Cells{{0, 1, "食品"}, {0, 2, "衣料"}, {1, 1, "1"}, {1, 2, "-5"}},
         0},
        {{{"東京", "-"}, {"大阪", "x"}},
         3,
         3,
         Cells{{1, 0, "東京"}, {1, 1, ""}, {2, 0, "大阪"}, {2, 1, ""}},
         0},
        {{{"1", "2"}, {"3"}}, 4, 7, Cells{{4, 7, "1"}, {4, 8, "2"}, {5, 7, "3"}}, 0},
        {{{"1", "2", "3"}, {"4", "5", "6"}}, 10, 11, Cells{{10, 11, "1"}, {10, 12, "2"}}, 4},
        {{{"1", "2"}, {"3", "4"}}, 0, 12, Cells{{0, 12, "1"}, {1, 12, "3"}}, 2}, // labels as is
        {{{"1", "2"}, {"3", "4"}}, 10, 0, Cells{{10, 0, "1"}, {10, 1, "2"}}, 2},
    };
    for (const auto& c : cases) {
        const Placement placement = placeBlock(c.block, c.row, c.column);
        EXPECT_EQ(placement.cells, c.cells) << c.row << "," << c.column;
        EXPECT_EQ(placement.leftOut, c.leftOut) << c.row << "," << c.column;
    }
}

TEST(PlaceBlock, TellsOfValueBoxesThatHoldNoNumber) {
    EXPECT_EQ(unreadableValuesMessage({{0, 3, "食品"}, {1, 0, "東京"}, {2, 2, "12"}, {3, 1, ""}}),
              "");
    EXPECT_EQ(
        unreadableValuesMessage({{1, 1, "1"}, {3, 3, "12kg"}, {3, 4, "?"}, {9, 1, "x y"}}),
        "3 個の数値欄 (C3 など) は数値として読めません。グラフでは先頭の数字だけが使われます。");
}

} // namespace
