#include "Printers.h"

#include "data/DisplayNumber.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(DisplayNumber, ReadsTheFormsSpreadsheetsShowAndLeavesOtherTexts) {
    const std::optional<QString> text; // stays as it is
    const struct {
        const char16_t* cell;
        std::optional<QString> number;
    } cases[] = {
        {u"1234", "1234"},
        {u" 0.5\u3000", "0.5"},
        {u".5", ".5"},
        {u"1.", "1."},
        {u"+7", "7"},
        {u"-100", "-100"},
        {u"1e3", "1e3"},
        {u"1.5E+3", "1.5E+3"},
        {u"-2.5e-7", "-2.5e-7"},
        {u"1,234", "1234"},
        {u"1,234,567.5", "1234567.5"},
        {u"1,234.50", "1234.50"},
        {u"▲5", "-5"},
        {u"△ 1,000", "-1000"},
        {u"(1,234)", "-1234"},
        {u"（１２）", "-12"},
        {u"１２３", "123"},
        {u"－５", "-5"},
        {u"１，２３４．５", "1234.5"},
        {u"\u22123.25", "-3.25"},
        {u"¥1,000", "1000"},
        {u"￥ 500", "500"},
        {u"$0.99", "0.99"},
        {u"€12", "12"},
        {u"£3", "3"},
        {u"1,000円", "1000"},
        {u"1,000 円", "1000"},
        {u"-¥1,000", "-1000"},
        {u"¥-1,000", "-1000"},
        {u"¥\u00A0(1,000)", "-1000"},
        {u"12.5%", "12.5"},
        {u"-3 ％", "-3"},
        {u"\u00A0- \u202F42\u3000", "-42"},
        {u"-", ""},
        {u"－", ""},
        {u"‐", ""},
        {u"―", ""},
        {u"—", ""},
        {u"…", ""},
        {u" ... ", ""},
        {u"x", ""},
        {u"X", ""},
        {u"*", ""},
        {u"***", ""},
        {u"", text},
        {u"  ", text},
        {u"1,23", text},
        {u"12,3456", text},
        {u"0,123", text},
        {u"1,234,", text},
        {u",123", text},
        {u"1.2.3", text},
        {u"東京", text},
        {u"12kg", text},
        {u"--5", text},
        {u"▲▲5", text},
        {u"-(5)", text},
        {u"(5", text},
        {u"5)", text},
        {u"¥", text},
        {u"%", text},
        {u"¥5%", text},
        {u"¥5円", text},
        {u"5-", text},
        {u"1 234", text},
        {u"1e", text},
        {u"**", text},
        {u"xx", text},
        {u"&H10", text},
    };
    for (const auto& c : cases) {
        const QStringView cell(c.cell);
        EXPECT_EQ(plainNumber(cell), c.number) << cell.toString().toStdString();
    }
}

} // namespace
