#include "Printers.h"

#include "io/DateFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(DateFormat, ShowsSerialNumbersAsTheirFormatShowsThem) {
    const struct {
        double serial;
        const char* code;
        const char* shown;
        bool from1904 = false;
    } cases[] = {
        {44197, "yyyy\"年\"", "2021年"},
        {44197, "[$-411]yyyy\\年", "2021年"}, // as LibreOffice writes it
        {45356, "yyyy/m/d", "2024/3/5"},
        {45356, "m\"月\"d\"日\"", "3月5日"},
        {45356, "yyyy\"年\"m\"月\";@", "2024年3月"},
        {45356, "yy-mm-dd ddd mmm", "24-03-05 Tue Mar"},
        {43586, "ggge\"年\"", "令和1年"},
        {43585, "[$-411]ggge\"年\"m\"月\"d\"日\"", "平成31年4月30日"},
        {32516, "gge", "平1"},
        {32515, "gge", "昭64"},
        {10000, "ge.m.d", "S2.5.18"},
        {60, "yyyy/m/d", "1900/2/29"}, // the day Excel counts that never was
        {61, "yyyy/m/d", "1900/3/1"},
        {1, "yyyy/m/d", "1904/1/2", true},
        {45356.75, "h:mm:ss AM/PM", "6:00:00 PM"},
        {1.5, "[h]:mm", "36:00"},
        {0.999999, "h:mm", "0:00"}, // rounds into the next day
        {-1, "yyyy", ""},
        {3e6, "yyyy", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDate(c.serial, QString::fromUtf8(c.code), c.from1904),
                  QString::fromUtf8(c.shown))
            << c.code << " " << c.serial;
}

TEST(DateFormat, TellsDateFormatsFromNumberFormats) {
    for (const char* code : {"yyyy/m/d", "h:mm", "[h]:mm", "ggge", "[$-411]e", "mmm"})
        EXPECT_TRUE(isDateFormat(QString::fromUtf8(code))) << code;
    for (const char* code : {"General", "#,##0", "0.00E+00", "0%", "0\"日\"", "@", "[Red]0", ""})
        EXPECT_FALSE(isDateFormat(QString::fromUtf8(code))) << code;
    EXPECT_EQ(builtInDateFormat(14), "yyyy/m/d");
    EXPECT_TRUE(builtInDateFormat(3).isEmpty()); // #,##0
}

} // namespace
