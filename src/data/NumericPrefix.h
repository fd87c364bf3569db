#pragma once

#include <QStringView>

// Reads the leading number of a text as a 64-bit float and never rejects the text: blanks, tabs
// and line feeds are skipped anywhere; then an optional sign, digits with at most one decimal
// point and an optional E exponent, or an &H (hexadecimal) or &O (octal) integer. Reading stops
// at the first character that does not fit; no number at all reads as 0. The decimal separator
// is always the point. A value beyond the 64-bit range throws an overflow RuntimeError.
double numericPrefix(QStringView text);
