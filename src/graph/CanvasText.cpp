#include "graph/CanvasText.h"

namespace {

enum class Kept { Same, Space, Dropped };

Kept keep(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029)
        return Kept::Space;
    if (c == 0xFFFE || c == 0xFFFF)
        return Kept::Dropped;
    if (QChar::isHighSurrogate(c))
        return i + 1 < text.size() && text[i + 1].isLowSurrogate() ? Kept::Same : Kept::Dropped;
    if (QChar::isLowSurrogate(c))
        return i > 0 && text[i - 1].isHighSurrogate() ? Kept::Same : Kept::Dropped;
    return Kept::Same;
}

} // namespace

QString canvasText(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && keep(text, i) == Kept::Same)
        ++i;
    if (i == text.size())
        return text;
    QString kept = text.first(i);
    for (; i < text.size(); ++i)
        switch (keep(text, i)) {
        case Kept::Same:
            kept += text[i];
            break;
        case Kept::Space:
            kept += QLatin1Char(' ');
            break;
        case Kept::Dropped:
            break;
        }
    return kept;
}
