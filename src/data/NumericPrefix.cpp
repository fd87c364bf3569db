#include "data/NumericPrefix.h"

#include "data/RuntimeError.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

// Walks the text's characters, stepping over the blanks, tabs and line feeds that the
// conversion ignores wherever they stand.
class Reader {
public:
    explicit Reader(QStringView text)
        : text_(text) {}

    char16_t peek() {
        while (pos_ < text_.size() && isSkipped(text_[pos_].unicode()))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_].unicode() : u'\0';
    }
    void advance() { ++pos_; }

    bool accept(char16_t upper) {
        const char16_t c = peek();
        if (c != upper && c != upper + (u'a' - u'A'))
            return false;
        advance();
        return true;
    }

    // Appends the run of decimal digits that follows; returns how many there were.
    int digits(std::string& out) {
        int count = 0;
        for (char16_t c = peek(); c >= u'0' && c <= u'9'; c = peek()) {
            out += static_cast<char>(c);
            advance();
            ++count;
        }
        return count;
    }

private:
    static bool isSkipped(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

    QStringView text_;
    qsizetype pos_ = 0;
};

int digitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 99;
}

double readRadixInteger(Reader& reader, int radix) {
    double value = 0;
    for (int d = digitValue(reader.peek()); d < radix; d = digitValue(reader.peek())) {
        value = value * radix + d;
        reader.advance();
    }
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

// strtod that reads the point whatever locale the application runs in.
double parseCLocale(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(value))
        throw RuntimeError::overflow();
    return value;
}

} // namespace

double numericPrefix(QStringView text) {
    Reader reader(text);
    if (reader.peek() == u'&') {
        reader.advance();
        if (reader.accept(u'H'))
            return readRadixInteger(reader, 16);
        if (reader.accept(u'O'))
            return readRadixInteger(reader, 8);
        return 0.0;
    }

    std::string number;
    if (const char16_t sign = reader.peek(); sign == u'+' || sign == u'-') {
        number += static_cast<char>(sign);
        reader.advance();
    }
    int mantissaDigits = reader.digits(number);
    if (reader.peek() == u'.') {
        number += '.';
        reader.advance();
        mantissaDigits += reader.digits(number);
    }
    if (mantissaDigits == 0)
        return 0.0;

    if (reader.accept(u'E')) {
        std::string exponent = "e";
        if (const char16_t sign = reader.peek(); sign == u'+' || sign == u'-') {
            exponent += static_cast<char>(sign);
            reader.advance();
        }
        if (reader.digits(exponent) > 0)
            number += exponent;
    }
    return parseCLocale(number);
}
