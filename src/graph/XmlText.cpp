#include "graph/XmlText.h"

namespace {

bool allowedAlone(char16_t c) {
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    return !QChar::isSurrogate(c) && c != 0xFFFE && c != 0xFFFF;
}

// Whether the character at `i` is part of a surrogate pair.
bool inPair(const QString& text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return c.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate();
}

bool allowed(const QString& text, qsizetype i) {
    return allowedAlone(text[i].unicode()) || inPair(text, i);
}

} // namespace

QString xmlText(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && allowed(text, i))
        ++i;
    if (i == text.size())
        return text;
    QString kept = text.first(i);
    for (; i < text.size(); ++i)
        if (allowed(text, i))
            kept += text[i];
    return kept;
}
