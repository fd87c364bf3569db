#include "data/NumberFormat.h"
#include "data/NumericPrefix.h"

#include "Printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Case {
    double value;
    int digits;
    const char* text;
};

class GeneralNumber : public ::testing::TestWithParam<Case> {};

TEST_P(GeneralNumber, WritesTheShortestForm) {
    const Case& c = GetParam();
    EXPECT_EQ(generalNumber(c.value, c.digits).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralNumber,
    ::testing::Values(
        Case{0, 15, "0"}, Case{-0.0, 15, "0"}, Case{2.5, 15, "2.5"}, Case{-3, 15, "-3"},
        Case{0.5, 15, "0.5"}, Case{-0.25, 15, "-0.25"}, Case{12, 15, "12"}, Case{100, 15, "100"},
        Case{0.1 + 0.2, 15, "0.3"}, Case{1.0 / 3, 15, "0.333333333333333"},
        Case{123456789012345, 15, "123456789012345"},
        Case{999999999999999.9, 15, "1E+15"}, // rounding carries into the exponent form
        Case{1e15, 15, "1E+15"}, Case{1234567890123456, 15, "1.23456789012346E+15"},
        Case{-1.5e20, 15, "-1.5E+20"}, Case{1e100, 15, "1E+100"}, Case{1e-100, 15, "1E-100"},
        Case{0.0001, 15, "0.0001"}, Case{0.00012345, 15, "0.00012345"}, Case{1e-5, 15, "1E-05"},
        Case{-2.5e-7, 15, "-2.5E-07"},
        Case{std::numeric_limits<double>::max(), 15, "1.79769313486232E+308"},
        // seven digits, as for a 32-bit float
        Case{12345678, 7, "1.234568E+07"}, Case{1234567, 7, "1234567"}, Case{1234.5, 7, "1234.5"},
        Case{double(0.1f), 7, "0.1"}, Case{9999999.6, 7, "1E+07"}, Case{-3, 7, "-3"},
        // no digits to write
        Case{std::numeric_limits<double>::infinity(), 15, "inf"},
        Case{-std::numeric_limits<double>::infinity(), 7, "-inf"},
        Case{-std::numeric_limits<double>::quiet_NaN(), 15, "nan"}));

TEST(GrandTotalText, IsShownWithTheDigitsOfASingle) {
    EXPECT_EQ(grandTotalText(12345678.f), QStringLiteral("12345680"));
    EXPECT_EQ(grandTotalText(1234.5f), QStringLiteral("1234.5"));
    EXPECT_EQ(grandTotalText(0.5f), QStringLiteral("0.5"));
    EXPECT_EQ(grandTotalText(-3.f), QStringLiteral("-3"));
    EXPECT_EQ(grandTotalText(0.f), QStringLiteral("0"));
    EXPECT_EQ(grandTotalText(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(grandTotalText(1e20f), QStringLiteral("1E+20"));
    EXPECT_EQ(grandTotalText(3e-6f), QStringLiteral("3E-06"));
}

TEST(GeneralNumber, ReadsBackToTheSameValueUpTo15Digits) {
    for (double value :
         {0.5, -0.25, 123456789012345.0, 1e-5, 1.25e17, 3.14159265358979, -9.87654321e-12, 42.0}) {
        EXPECT_EQ(numericPrefix(generalNumber(value)), value) << value;
    }
}

} // namespace

TEST(ChartNumbers, GroupThousandsAndWriteSharesAsPercents) {
    const struct {
        double value;
        const char* grouped;
    } values[] = {{0, "0"},
                  {999, "999"},
                  {1234, "1,234"},
                  {12.5, "12.5"},
                  {-1234567.25, "-1,234,567.25"},
                  {123456, "123,456"},
                  {-123, "-123"},
                  {0.001, "0.001"},
                  {1e20, "1E+20"}};
    for (const auto& v : values)
        EXPECT_EQ(groupedNumber(v.value), QString::fromLatin1(v.grouped)) << v.value;

    const struct {
        double share;
        const char* percent;
    } shares[] = {{0.45, "45%"},   {0.045, "4.5%"},  {0.1, "10%"},
                  {0.0996, "10%"}, {0.0994, "9.9%"}, {0, "0.0%"},
                  {1, "100%"},     {0.33333, "33%"}, {-0.045, "-4.5%"}};
    for (const auto& s : shares)
        EXPECT_EQ(percentText(s.share), QString::fromLatin1(s.percent)) << s.share;
}
