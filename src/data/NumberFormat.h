#pragma once

#include <QString>

// Significant digits of the general number form for 64-bit and 32-bit floats.
inline constexpr int DoubleDigits = 15;
inline constexpr int SingleDigits = 7;

// The general number form: the shortest decimal text of the value rounded to `digits`
// significant digits, with the point as decimal separator, a leading 0 before the point of a
// magnitude below 1 and no thousands separators. Magnitudes of 10^digits and above, and non-zero
// magnitudes below 10^-4, take the exponent form with a signed exponent of at least two digits
// (1.234568E+07, 1E-05). Infinities and NaN, which have no digits, are written as C++ writes
// them: inf, -inf, nan.
enum class LeadingZero { Keep, Omit };
QString generalNumber(double value, int digits = DoubleDigits,
                      LeadingZero zero = LeadingZero::Keep);

// The invariant form of the data file: the general form with 15 digits and no 0 before the
// point (.5, -.25). A magnitude that 15 digits would round beyond the 64-bit range is rounded
// toward zero instead, so that it reads back as a number.
QString fileNumber(double value);

// A value written on the chart: the general form with grouping commas in its whole part (1,234;
// 12.5; -1,234,567.25); the exponent form stays as it is.
QString groupedNumber(double value);

// A share (0.45 for 45 %) as a percent: whole (45%), with one decimal under 10 % (4.5%).
QString percentText(double share);

// The grand total as the chart shows it: written with the 7 digits of a 32-bit float, read back
// and written again with 15 digits, so 12345678 shows as 12345680.
QString grandTotalText(float total);
