#include "Printers.h"

#include "data/TextGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseDelimited, ReadsRowsCellsAndQuotes) {
    const struct {
        const char* text;
        TextGrid grid;
    } cases[] = {
        {"", {}},
        {"a\tb\nc", {{"a", "b"}, {"c"}}},
        {"a\r\nb\rc\n", {{"a"}, {"b"}, {"c"}}},
        {"a\n\n", {{"a"}, {""}}},
        {"a\t\r\n\tb", {{"a", ""}, {"", "b"}}},
        {"\"x\ty\"\t\"1\r\n2\"\tz", {{"x\ty", "1\r\n2", "z"}}},
        {"\"say \"\"hi\"\"\"\n", {{"say \"hi\""}}},
        {"\"ab\"cd\tz", {{"abcd", "z"}}},
        {"5\"\t\"\"", {{"5\"", ""}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDelimited(QString::fromUtf8(c.text), u'\t'), c.grid) << c.text;
}

TEST(WriteDelimited, QuotesOnlyWhatNeedsItAndReadsBack) {
    const TextGrid grid{{"a", "b,c", "x\ty"}, {"q\"", "1\r\n2", ""}, {"ラベル"}};
    const QString text = writeDelimited(grid, u',', u"\r\n");
    EXPECT_EQ(text, "a,\"b,c\",x\ty\r\n\"q\"\"\",\"1\r\n2\",\r\nラベル\r\n");
    EXPECT_EQ(parseDelimited(text, u','), grid);
    for (const TextGrid& other : {TextGrid{{"", ""}, {"\r"}}, TextGrid{{"\"", "\n"}}})
        EXPECT_EQ(parseDelimited(writeDelimited(other, u'\t', u"\n"), u'\t'), other);
}

} // namespace
