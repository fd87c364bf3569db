#include "Printers.h"

#include "data/TableFinder.h"

#include <gtest/gtest.h>

namespace {

TextGrid csv(const char* text) {
    return parseDelimited(QString::fromUtf8(text), u',');
}

// Sheets as offices and statistics bureaus lay them out, and the table a reader finds in each.
TEST(TableFinder, FindsTheTableItsDescriptionsAndItsTotals) {
    const struct {
        const char* name;
        const char* sheet;
        const char* block;
        const char* title;
        const char* unit;
        const char* source;
        const char* note;
        const char* leftOut; // rows, then columns
    } cases[] = {
        {"a statistics table",
         "表2 産業別就業者数(2023年平均)\n(単位:万人)\n,総数,男,女\n農業,100,60,40\n"
         "製造業,200,120,80\n建設,50,40,10\n注) 速報値\n注2) 四捨五入\n資料: 労働力調査\n",
         ",男,女\n農業,60,40\n製造業,120,80\n建設,40,10\n", "表2 産業別就業者数(2023年平均)",
         "万人", "労働力調査", "速報値 四捨五入", "|総数"},
        {"an office table from B2 with typed totals",
         ",,,\n,,A,B,合計\n,x,1,2,3\n,y,3,4,7\n,合計,4,6,10\n", ",A,B\nx,1,2\ny,3,4\n", "", "", "",
         "", "合計|合計"},
        {"a total found by its sums", ",a,b\nx,1,2\ny,3,4\nz,2,2\nw,6,8\n",
         ",a,b\nx,1,2\ny,3,4\nz,2,2\n", "", "", "", "", "w|"},
        {"years over the columns", "地域,2021,2022,2023\n東京,1,2,3\n大阪,4,5,6\n",
         "地域,2021,2022,2023\n東京,1,2,3\n大阪,4,5,6\n", "", "", "", "", "|"},
        {"a unit at the title's right",
         "家計調査,,,（単位：千円）\n,食品,住居\n東京,1,2\n大阪,3,4\n",
         ",食品,住居\n東京,1,2\n大阪,3,4\n", "家計調査", "千円", "", "", "|"},
        {"a unit at the header's right", ",食品,住居,[千人]\n東京,1,2\n", ",食品,住居\n東京,1,2\n",
         "", "千人", "", "", "|"},
        {"numbers alone", "1,2\n3,4\n", "1,2\n3,4\n", "", "", "", "", "|"},
        {"no numbers at all", "a,b\nc,d\n", "a,b\nc,d\n", "", "", "", "", "|"},
    };
    for (const auto& c : cases) {
        const FoundTable found = findTable(csv(c.sheet));
        EXPECT_EQ(found.block, csv(c.block)) << c.name;
        const Descriptions expected = {QString::fromUtf8(c.title),
                                       QString::fromUtf8(c.unit),
                                       QString::fromUtf8(c.source),
                                       QString::fromUtf8(c.note),
                                       {}};
        EXPECT_EQ(found.descriptions, expected) << c.name;
        EXPECT_EQ(found.leftOutRows.join(u',') + u'|' + found.leftOutColumns.join(u','),
                  QString::fromUtf8(c.leftOut))
            << c.name;
    }
}

TEST(TableFinder, TellsTheHeaderRowByItsCells) {
    const struct {
        const char* block;
        bool header;
    } cases[] = {
        {",食品,住居\n東京,1,2\n", true},   {"地域,2021,2022\n東京,1,2\n", true},
        {",2021,2022\n東京,1,2\n", true},   {"7,abc\n", false},
        {"地域,2021,5\n東京,1,2\n", false}, {"1,2\n3,4\n", false},
        {",2021,2022\n1,1,2\n", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isHeaderRow(csv(c.block)), c.header) << c.block;
}

} // namespace
