#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show Qt strings (and lists of them) as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
