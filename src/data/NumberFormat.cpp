#include "data/NumberFormat.h"

#include "data/NumericPrefix.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

QString generalNumber(double value, int digits, LeadingZero zero) {
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");

    // Scientific form rounded to the significant digits, e.g. "-1.234568e+07".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, digits - 1);
    const std::string scientific(buffer, result.ptr);
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    const int exponent = std::atoi(scientific.c_str() + e + 1);

    std::string mantissa; // significant digits without the point, trailing zeros dropped
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (scientific[i] != '.')
            mantissa += scientific[i];
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= digits || exponent < -4) {
        text += mantissa.substr(0, 1);
        if (mantissa.size() > 1)
            text += '.' + mantissa.substr(1);
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text +=
            (zero == LeadingZero::Keep ? "0." : ".") + std::string(-exponent - 1, '0') + mantissa;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= integerDigits)
            text += mantissa + std::string(integerDigits - mantissa.size(), '0');
        else
            text += mantissa.substr(0, integerDigits) + '.' + mantissa.substr(integerDigits);
    }
    return QString::fromLatin1(text);
}

QString fileNumber(double value) {
    // The largest 15-digit magnitude: the largest double rounded toward zero.
    constexpr double Largest = 1.79769313486231e308;
    if (std::isfinite(value) && std::abs(value) > Largest)
        value = std::copysign(Largest, value);
    return generalNumber(value, DoubleDigits, LeadingZero::Omit);
}

QString grandTotalText(float total) {
    return generalNumber(numericPrefix(generalNumber(total, SingleDigits)), DoubleDigits);
}

QString groupedNumber(double value) {
    QString text = generalNumber(value);
    if (text.contains(QLatin1Char('E')))
        return text;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype whole = point < 0 ? text.size() : point;
    const qsizetype first = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (qsizetype at = whole - 3; at > first; at -= 3)
        text.insert(at, QLatin1Char(','));
    return text;
}

QString percentText(double share) {
    const double tenths = std::round(share * 1000);
    if (std::abs(tenths) < 100)
        return QString::number(tenths / 10, 'f', 1) + QLatin1Char('%');
    return QString::number(std::round(share * 100), 'f', 0) + QLatin1Char('%');
}
