#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Numbers as spreadsheets show, copy and export them, read back into the plain text a value box
// takes. Blanks (spaces, U+3000, no-break spaces and the other Unicode spaces) may stand around.

// When the whole text, blanks around it aside, reads as a number in one of the forms spreadsheets
// display, the number as plain text: digits as written, grouping commas and a leading + dropped,
// '-' for a negative, the point and the exponent as written (1,234.50 -> 1234.50, ▲5 -> -5,
// (1,234) -> -1234, ¥-1,000 -> -1000, 12.5% -> 12.5, １，２３４ -> 1234). The forms:
// - a plain decimal number (an optional + or -, ASCII digits with at most one decimal point and
//   an optional exponent: 1, 1., .5, 1e3, 1.5E+3; not the words inf and nan or hexadecimal forms,
//   which in a table are more likely labels), or one with grouping commas in well-formed groups of
//   three (1,234,567.5; not 1,23, 12,3456 or 0,123);
// - full-width digits, signs, point, comma, percent and parentheses, and the minus sign U+2212;
// - before the number at most one sign (+, -, ▲ or △ for a negative) and at most one currency
//   sign (¥ ￥ $ € £), in either order, or accounting parentheses around it for a negative;
// - after the number either 円 (instead of a currency sign before it) or %;
// - blanks between these marks and the number.
// A placeholder for no value (- ‐ ― — … ... x X * *** or their full-width forms) alone in the
// text reads as an empty string. Anything else, an empty or blank text included, is std::nullopt.
std::optional<QString> plainNumber(QStringView text);
