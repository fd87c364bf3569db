#pragma once

#include <QString>
#include <QStringView>

// The dates and times of .xlsx workbooks as the spreadsheet shows them: a cell holds a serial
// number of days, and its number format's code ("yyyy/m/d", "yyyy\"年\"", "ggge\"年\"m\"月\"",
// "h:mm") decides how it shows.

// Whether the code shows a number as a date or a time: it has date or time parts (y, m, d, h, s,
// the era's g and e) outside quoted texts and brackets. "General" and scientific forms are not.
bool isDateFormat(QStringView code);

// The code of a built-in format (number formats 14 to 22, 27 to 36, 45 to 47 and 50 to 58, as the
// Japanese edition of Excel shows them); empty for any other.
QString builtInDateFormat(int id);

// The serial number shown in the code's first section: days since 1899-12-30 (with Excel's day 60,
// the 29th of February 1900 that never was), or since 1904-01-01 for workbooks of the 1904 date
// system; the fraction is the time of day. Months and weekdays in English, eras (g, gg, ggg; e, ee)
// in Japanese. Nothing when the number is no date the code can show.
QString formatDate(double serial, QStringView code, bool from1904);
