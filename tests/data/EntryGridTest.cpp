#include "Printers.h"

#include "data/DataTable.h"
#include "data/EntryGrid.h"
#include "data/GridWith.h"
#include "data/MemoryBoxes.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryGrid, ReachesLabelsAndValuesByRowAndColumn) {
    const std::vector<GridCell> cells{{0, 12, "K"}, {10, 0, "r"}, {1, 1, "v"}, {10, 12, "w"}};
    MemoryBoxes boxes;
    for (const GridCell& cell : cells)
        setGridText(boxes, cell.row, cell.column, cell.text);
    setGridText(boxes, 0, 0, QStringLiteral("corner"));
    EXPECT_EQ(boxes.columnLabel(12), "K");
    EXPECT_EQ(boxes.rowLabel(10), "r");
    EXPECT_EQ(boxes.value(10, 12), "w");
    EXPECT_EQ(readGrid(boxes), gridWith(cells));
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

TEST(HasHeaders, WantsAnEmptyCornerAndTextLabels) {
    const struct {
        TextGrid block;
        bool headers;
    } cases[] = {
        {{{"", "A", "B"}, {"x", "1", "2"}}, true},
        {{{"", "12kg", "１２"}, {"1,234", "1"}, {" "}}, true}, // ragged; blank labels are texts
        {{{"", "A"}}, false},
        {{{""}, {"x"}}, false},
        {{{"t", "A"}, {"x", "1"}}, false},
        {{{"", "A", " 7 "}, {"x", "1"}}, false},
        {{{"", "A"}, {"x", "1"}, {"-3.5"}}, false},
        {{{"", "1e3"}, {"x", "1"}}, false},
        {{}, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(hasHeaders(cases[i].block), cases[i].headers) << "case " << i;

    // The program's own grid, numbers for labels included, always comes back to the corner.
    DataTable years;
    years(0, 1) = 2020.0;
    years(1, 0) = 1.0;
    TextGrid grid = tableGrid(years);
    EXPECT_TRUE(hasHeaders(grid));
    grid[0][0] = QStringLiteral("x");
    EXPECT_FALSE(hasHeaders(grid));
}

TEST(PlaceBlock, PutsABlockAtTheCaretOrHeadersAtTheCorner) {
    using Cells = std::vector<GridCell>;
    const struct {
        TextGrid block;
        int row, column;
        Cells cells;
        int leftOut;
    } cases[] = {
        {{{"", "A"}, {"x", "1"}}, 4, 7, Cells{{0, 1, "A"}, {1, 0, "x"}, {1, 1, "1"}}, 0},
        {{{"1", "2"}, {"3"}}, 4, 7, Cells{{4, 7, "1"}, {4, 8, "2"}, {5, 7, "3"}}, 0},
        {{{"1", "2", "3"}, {"4", "5", "6"}}, 10, 11, Cells{{10, 11, "1"}, {10, 12, "2"}}, 4},
        {{{"a", "b"}, {"c", "d"}}, 0, 12, Cells{{0, 12, "a"}, {1, 12, "c"}}, 2},
        {{{"a", "b"}, {"c", "d"}}, 10, 0, Cells{{10, 0, "a"}, {10, 1, "b"}}, 2},
    };
    for (const auto& c : cases) {
        const Placement placement = placeBlock(c.block, c.row, c.column);
        EXPECT_EQ(placement.cells, c.cells) << c.row << "," << c.column;
        EXPECT_EQ(placement.leftOut, c.leftOut) << c.row << "," << c.column;
    }
}

} // namespace
