#pragma once

#include <QString>

// Texts as an XML 1.0 document (an SVG file) can hold them.

// The text without the characters XML 1.0 does not allow: control characters other than tab, line
// feed and carriage return, surrogates that are not part of a pair, U+FFFE and U+FFFF. A text that
// holds none of them comes back as it is.
QString xmlText(const QString& text);
