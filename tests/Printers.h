#pragma once

#include "data/Result.h"

#include <QString>

#include <ostream>

// Lets GoogleTest show Qt strings (and lists of them) as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const Failure& failure, std::ostream* os) {
    *os << "action " << static_cast<int>(failure.action) << ", \"" << failure.file.toStdString()
        << "\": " << failure.reason.toStdString();
}
