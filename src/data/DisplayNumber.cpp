#include "data/DisplayNumber.h"

namespace {

constexpr char16_t Yen = u'\u00A5';
constexpr char16_t Pound = u'\u00A3';
constexpr char16_t Euro = u'\u20AC';

// The ASCII character a full-width form stands for (U+FF01..U+FF5E), the minus sign as '-' and
// the full-width yen and pound signs as their narrow forms; any other character as it is.
char16_t narrow(char16_t c) {
    if (c >= u'\uFF01' && c <= u'\uFF5E')
        return static_cast<char16_t>(c - 0xFEE0);
    switch (c) {
    case u'\u2212':
        return u'-';
    case u'\uFFE5':
        return Yen;
    case u'\uFFE1':
        return Pound;
    default:
        return c;
    }
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Steps through a text, seeing full-width characters as ASCII.
class Reader {
public:
    explicit Reader(QStringView text)
        : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    char16_t peek() const {
        if (atEnd())
            return u'\0';
        return narrow(text_[pos_].unicode());
    }
    void advance() { ++pos_; }
    void skipBlanks() {
        while (!atEnd() && text_[pos_].isSpace())
            ++pos_;
    }

    // Appends the run of digits that follows; returns how many there were.
    int digits(QString& out) {
        int count = 0;
        for (char16_t c = peek(); isDigit(c); c = peek()) {
            out += QChar(c);
            advance();
            ++count;
        }
        return count;
    }

    // Appends the unsigned decimal number that follows, without its grouping commas: digits with
    // at most one point, then an optional exponent. Groups of three after a comma are read when
    // `grouping` is set; the first group then has one to three digits and does not begin with 0,
    // as spreadsheets show it. False when no such number follows.
    bool decimal(QString& out, bool grouping) {
        const qsizetype first = out.size();
        int mantissa = digits(out);
        if (grouping && peek() == u',') {
            if (mantissa == 0 || mantissa > 3 || out[first] == u'0')
                return false;
            while (peek() == u',') {
                advance();
                if (digits(out) != 3)
                    return false;
            }
        }
        if (peek() == u'.') {
            out += u'.';
            advance();
            mantissa += digits(out);
        }
        if (mantissa == 0)
            return false;
        if (const char16_t e = peek(); e == u'e' || e == u'E') {
            out += QChar(e);
            advance();
            if (const char16_t sign = peek(); sign == u'+' || sign == u'-') {
                out += QChar(sign);
                advance();
            }
            if (digits(out) == 0)
                return false;
        }
        return true;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

bool isCurrency(char16_t c) {
    return c == Yen || c == u'$' || c == Euro || c == Pound;
}

bool isPlaceholder(QStringView text) {
    Reader reader(text);
    const char16_t c = reader.peek();
    if (text.size() == 1)
        return c == u'-' || c == u'\u2010' || c == u'\u2015' || c == u'\u2014' || c == u'\u2026' ||
               c == u'x' || c == u'X' || c == u'*';
    if (text.size() != 3 || (c != u'.' && c != u'*'))
        return false;
    for (int i = 0; i < 3; ++i, reader.advance())
        if (reader.peek() != c)
            return false;
    return true;
}

} // namespace

std::optional<QString> plainNumber(QStringView text) {
    const QStringView cell = text.trimmed();
    if (cell.isEmpty())
        return std::nullopt;
    if (isPlaceholder(cell))
        return QString();

    Reader reader(cell);
    bool hasSign = false;
    bool negative = false;
    bool currency = false;
    bool parenthesised = false;
    for (;; reader.skipBlanks()) {
        const char16_t c = reader.peek();
        if (!hasSign && !parenthesised && (c == u'+' || c == u'-' || c == u'▲' || c == u'△')) {
            hasSign = true;
            negative = c != u'+';
        } else if (!currency && isCurrency(c)) {
            currency = true;
        } else if (!hasSign && !parenthesised && c == u'(') {
            parenthesised = negative = true;
        } else {
            break;
        }
        reader.advance();
    }

    QString number;
    number.reserve(cell.size() + 1);
    if (negative)
        number += u'-';
    if (!reader.decimal(number, true))
        return std::nullopt;

    bool percent = false;
    bool closed = false;
    for (reader.skipBlanks(); !reader.atEnd(); reader.skipBlanks()) {
        const char16_t c = reader.peek();
        if (c == u'円' && !currency && !percent)
            currency = true;
        else if (c == u'%' && !currency && !percent)
            percent = true;
        else if (c == u')' && parenthesised && !closed)
            closed = true;
        else
            return std::nullopt;
        reader.advance();
    }
    if (parenthesised != closed)
        return std::nullopt;
    return number;
}
