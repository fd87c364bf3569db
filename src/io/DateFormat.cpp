#include "io/DateFormat.h"

#include <QDateTime>

#include <array>
#include <cmath>

namespace {

struct Era {
    QDate start;
    const char16_t* letter; // g
    const char16_t* short_; // gg
    const char16_t* name;   // ggg
};

const std::array<Era, 5> Eras = {{
    {QDate(2019, 5, 1), u"R", u"令", u"令和"},
    {QDate(1989, 1, 8), u"H", u"平", u"平成"},
    {QDate(1926, 12, 25), u"S", u"昭", u"昭和"},
    {QDate(1912, 7, 30), u"T", u"大", u"大正"},
    {QDate(1868, 9, 8), u"M", u"明", u"明治"},
}};

const Era* eraOf(QDate date) {
    for (const Era& era : Eras)
        if (date >= era.start)
            return &era;
    return nullptr;
}

const char* const MonthNames[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
const char* const DayNames[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                "Friday", "Saturday", "Sunday"};

// The first section of the code, up to a ';' outside quotes.
QStringView firstSection(QStringView code) {
    bool quoted = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if (code[i] == u'"')
            quoted = !quoted;
        else if (code[i] == u'\\')
            ++i;
        else if (code[i] == u';' && !quoted)
            return code.left(i);
    }
    return code;
}

qsizetype runLength(QStringView code, qsizetype at) {
    const QChar letter = code[at].toLower();
    qsizetype end = at;
    while (end < code.size() && code[end].toLower() == letter)
        ++end;
    return end - at;
}

// Whether the run of m at `at` means minutes: after an hour or before seconds.
bool isMinutes(QStringView code, qsizetype at, qsizetype length) {
    for (qsizetype i = at - 1; i >= 0; --i) {
        const QChar c = code[i].toLower();
        if (c == u'h')
            return true;
        if (c == u'd' || c == u'y' || c == u'm')
            break;
    }
    for (qsizetype i = at + length; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u's')
            return true;
        if (c == u'd' || c == u'y' || c == u'm' || c == u'h')
            break;
    }
    return false;
}

QString padded(qint64 value, qsizetype length) {
    return QString::number(value).rightJustified(length >= 2 ? 2 : 1, u'0');
}

} // namespace

bool isDateFormat(QStringView code) {
    code = firstSection(code);
    if (code.compare(u"General", Qt::CaseInsensitive) == 0)
        return false;
    bool quoted = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i);
            if (close < 0)
                return false;
            // [h], [mm] and [ss]: elapsed time.
            const QStringView inside = code.mid(i + 1, close - i - 1);
            if (!inside.isEmpty() && QStringLiteral("hms").contains(inside[0].toLower()))
                return true;
            i = close;
        } else if (QStringLiteral("ymdhsg").contains(c.toLower())) {
            return true;
        } else if (c == u'e' &&
                   (i + 1 == code.size() || (code[i + 1] != u'+' && code[i + 1] != u'-'))) {
            return true;
        }
    }
    return false;
}

QString builtInDateFormat(int id) {
    switch (id) {
    case 14:
        return QStringLiteral("yyyy/m/d");
    case 15:
        return QStringLiteral("d-mmm-yy");
    case 16:
        return QStringLiteral("d-mmm");
    case 17:
        return QStringLiteral("mmm-yy");
    case 18:
        return QStringLiteral("h:mm AM/PM");
    case 19:
        return QStringLiteral("h:mm:ss AM/PM");
    case 20:
    case 32:
        return QStringLiteral("h:mm");
    case 21:
    case 33:
        return QStringLiteral("h:mm:ss");
    case 22:
        return QStringLiteral("yyyy/m/d h:mm");
    case 27:
    case 36:
    case 50:
    case 57:
        return QStringLiteral("ge.m.d");
    case 28:
    case 29:
    case 51:
    case 54:
    case 58:
        return QStringLiteral("ggge\"年\"m\"月\"d\"日\"");
    case 30:
        return QStringLiteral("m/d/yy");
    case 31:
        return QStringLiteral("yyyy\"年\"m\"月\"d\"日\"");
    case 34:
    case 52:
    case 55:
        return QStringLiteral("yyyy\"年\"m\"月\"");
    case 35:
    case 53:
    case 56:
        return QStringLiteral("m\"月\"d\"日\"");
    case 45:
        return QStringLiteral("mm:ss");
    case 46:
        return QStringLiteral("[h]:mm:ss");
    case 47:
        return QStringLiteral("mm:ss.0");
    default:
        return {};
    }
}

QString formatDate(double serial, QStringView code, bool from1904) {
    // Beyond the year 9999, or before day 0, a spreadsheet shows hashes.
    if (!std::isfinite(serial) || serial < 0 || serial >= 2958466)
        return {};
    code = firstSection(code);
    double days = std::floor(serial);
    // Seconds of the day, rounded as spreadsheets round them.
    qint64 seconds = std::llround((serial - days) * 86400.0);
    if (seconds >= 86400) {
        days += 1;
        seconds -= 86400;
    }
    QDate date;
    if (from1904)
        date = QDate(1904, 1, 1).addDays(static_cast<qint64>(days));
    else if (days >= 61)
        date = QDate(1899, 12, 30).addDays(static_cast<qint64>(days));
    else if (days == 60)
        date = QDate(1900, 2, 28); // shown as the 29th below
    else
        date = QDate(1899, 12, 31).addDays(static_cast<qint64>(days));
    const bool falseLeapDay = !from1904 && days == 60;
    const qint64 hour = seconds / 3600;
    const qint64 minute = seconds / 60 % 60;
    const qint64 second = seconds % 60;
    const bool twelveHours =
        code.contains(u"AM/PM", Qt::CaseInsensitive) || code.contains(u"A/P", Qt::CaseInsensitive);
    const Era* era = eraOf(date);

    QString shown;
    for (qsizetype i = 0; i < code.size();) {
        const QChar c = code[i];
        const QChar lower = c.toLower();
        if (c == u'"') {
            const qsizetype close = code.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? code.size() : close;
            shown += code.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == u'\\' && i + 1 < code.size()) {
            shown += code[i + 1];
            i += 2;
            continue;
        }
        if (c == u'_' || c == u'*') { // a space as wide as the next character, or fill
            i += 2;
            continue;
        }
        if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i);
            const QStringView inside = code.mid(i + 1, (close < 0 ? code.size() : close) - i - 1);
            if (!inside.isEmpty() && inside[0].toLower() == u'h')
                shown += QString::number(static_cast<qint64>(days) * 24 + hour);
            else if (!inside.isEmpty() && inside[0].toLower() == u'm')
                shown += QString::number((static_cast<qint64>(days) * 24 + hour) * 60 + minute);
            i = close < 0 ? code.size() : close + 1;
            continue;
        }
        if (code.mid(i).startsWith(u"AM/PM", Qt::CaseInsensitive)) {
            shown += hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            i += 5;
            continue;
        }
        if (code.mid(i).startsWith(u"A/P", Qt::CaseInsensitive)) {
            shown += hour < 12 ? u'A' : u'P';
            i += 3;
            continue;
        }
        const qsizetype length = runLength(code, i);
        if (lower == u'y') {
            shown += length <= 2 ? padded(date.year() % 100, 2) : QString::number(date.year());
        } else if (lower == u'm' && isMinutes(code, i, length)) {
            shown += padded(minute, length);
        } else if (lower == u'm') {
            const int month = date.month();
            shown += length <= 2   ? padded(month, length)
                     : length == 3 ? QString::fromLatin1(MonthNames[month - 1]).left(3)
                     : length == 4 ? QString::fromLatin1(MonthNames[month - 1])
                                   : QString::fromLatin1(MonthNames[month - 1]).left(1);
        } else if (lower == u'd') {
            const int day = falseLeapDay ? 29 : date.day();
            const QString name = QString::fromLatin1(DayNames[date.dayOfWeek() - 1]);
            shown += length <= 2 ? padded(day, length) : length == 3 ? name.left(3) : name;
        } else if (lower == u'h') {
            const qint64 h = twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            shown += padded(h, length);
        } else if (lower == u's') {
            shown += padded(second, length);
        } else if (lower == u'g') {
            if (!era)
                return {};
            shown += QString::fromUtf16(length == 1   ? era->letter
                                        : length == 2 ? era->short_
                                                      : era->name);
        } else if (c == u'e') {
            if (!era)
                return {};
            shown += padded(date.year() - era->start.year() + 1, length);
        } else {
            shown += c;
            i += 1;
            continue;
        }
        i += length;
    }
    return shown;
}
