#include "data/NumericPrefix.h"
#include "data/RuntimeError.h"

#include "Printers.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct Case {
    const char* text;
    double expected;
};

class NumericPrefix : public ::testing::TestWithParam<Case> {};

TEST_P(NumericPrefix, ReadsTheLeadingNumber) {
    const Case& c = GetParam();
    EXPECT_DOUBLE_EQ(numericPrefix(QString::fromUtf8(c.text)), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericPrefix,
                         ::testing::Values(
                             // nothing that reads as a number
                             Case{"", 0}, Case{"abc", 0}, Case{"   ", 0}, Case{"-", 0},
                             Case{".", 0}, Case{"e5", 0}, Case{"--4", 0}, Case{"&", 0},
                             Case{"&Z1", 0}, Case{"&H", 0}, Case{"１２", 0},
                             // plain numbers and blanks anywhere
                             Case{"7.5", 7.5}, Case{" 7.5 ", 7.5}, Case{"-4", -4}, Case{"+3", 3},
                             Case{"1 2 3", 123}, Case{"\t-\n4", -4}, Case{".5", 0.5}, Case{"5.", 5},
                             Case{"-.25", -0.25}, Case{"007", 7},
                             // reading stops at the first character that does not fit
                             Case{"12kg", 12}, Case{"1,234", 1}, Case{"3,5", 3}, Case{"1.2.3", 1.2},
                             Case{"4-5", 4}, Case{"1\r2", 1},
                             // exponents
                             Case{"1e3", 1000}, Case{"1E3", 1000}, Case{"2.5E-2", 0.025},
                             Case{"1e+2", 100}, Case{"1 e 3", 1000}, Case{"1e", 1}, Case{"1e+", 1},
                             Case{"3ex", 3}, Case{"1e-400", 0}, Case{"1e308", 1e308},
                             // hexadecimal and octal integers
                             Case{"&H10", 16}, Case{"&h1F", 31}, Case{"&Hffz", 255},
                             Case{"&O17", 15}, Case{"&o78", 7}, Case{" & H 1 0", 16}));

TEST(NumericPrefixOverflow, ValuesBeyondTheDoubleRangeAreReportedNotInfinite) {
    for (const char* text : {"1e400", "-1e400", "1e99999999999999999999", "9e308"}) {
        try {
            numericPrefix(QString::fromLatin1(text));
            ADD_FAILURE() << text << " did not overflow";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 6) << text;
            EXPECT_EQ(error.description(), QStringLiteral("オーバーフローしました。"));
        }
    }
    const QString longHex = QStringLiteral("&H") + QString(300, QLatin1Char('F'));
    EXPECT_THROW(numericPrefix(longHex), RuntimeError);
}

TEST(NumericPrefixLocale, ThePointIsTheSeparatorWhateverTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ja_JP.UTF-8"}) {
        // scripts/install-deps installs these; without them the test proves nothing.
        ASSERT_NE(std::setlocale(LC_NUMERIC, name), nullptr) << name << " is not installed";
        EXPECT_DOUBLE_EQ(numericPrefix(u"1.5"), 1.5) << name;
        EXPECT_DOUBLE_EQ(numericPrefix(u"1,5"), 1.0) << name;
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
