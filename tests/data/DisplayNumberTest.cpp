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
        bool plain; // readsAsNumber
    } cases[] = {
        {u"1234", "1234", true},
        {u" 0.5\u3000", "0.5", true},
        {u".5", ".5", true},
        {u"1.", "1.", true},
        {u"+7", "7", true},
        {u"-100", "-100", true},
        {u"1e3", "1e3", true},
        {u"1.5E+3", "1.5E+3", true},
        {u"-2.5e-7", "-2.5e-7", true},
        {u"1,234", "1234", false},
        {u"1,234,567.5", "1234567.5", false},
        {u"1,234.50", "1234.50", false},
        {u"▲5", "-5", false},
        {u"△ 1,000", "-1000", false},
        {u"(1,234)", "-1234", false},
        {u"（１２）", "-12", false},
        {u"１２３", "123", false},
        {u"－５", "-5", false},
        {u"１，２３４．５", "1234.5", false},
        {u"\u22123.25", "-3.25", false},
        {u"¥1,000", "1000", false},
        {u"￥ 500", "500", false},
        {u"$0.99", "0.99", false},
        {u"€12", "12", false},
        {u"£3", "3", false},
        {u"1,000円", "1000", false},
        {u"1,000 円", "1000", false},
        {u"-¥1,000", "-1000", false},
        {u"¥-1,000", "-1000", false},
        {u"¥\u00A0(1,000)", "-1000", false},
        {u"12.5%", "12.5", false},
        {u"-3 ％", "-3", false},
        {u"\u00A0- \u202F42\u3000", "-42", false},
        {u"-", "", false},
        {u"－", "", false},
        {u"‐", "", false},
        {u"―", "", false},
        {u"—", "", false},
        {u"…", "", false},
        {u" ... ", "", false},
        {u"x", "", false},
        {u"X", "", false},
        {u"*", "", false},
        {u"***", "", false},
        {u"", text, false},
        {u"  ", text, false},
        {u"1,23", text, false},
        {u"12,3456", text, false},
        {u"0,123", text, false},
        {u"1,234,", text, false},
        {u",123", text, false},
        {u"1.2.3", text, false},
        {u"東京", text, false},
        {u"12kg", text, false},
        {u"--5", text, false},
        {u"▲▲5", text, false},
        {u"-(5)", text, false},
        {u"(5", text, false},
        {u"5)", text, false},
        {u"¥", text, false},
        {u"%", text, false},
        {u"¥5%", text, false},
        {u"¥5円", text, false},
        {u"5-", text, false},
        {u"1 234", text, false},
        {u"1e", text, false},
        {u"**", text, false},
        {u"xx", text, false},
        {u"&H10", text, false},
    };
    for (const auto& c : cases) {
        const QStringView cell(c.cell);
        EXPECT_EQ(plainNumber(cell), c.number) << cell.toString().toStdString();
        EXPECT_EQ(readsAsNumber(cell), c.plain) << cell.toString().toStdString();
    }
}

} // namespace
