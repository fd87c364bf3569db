#pragma once

#include <QString>

#include <variant>

// One cell of the dataset: empty, a text or a 64-bit float. Assigning a cell replaces its value
// and its type together.
using Cell = std::variant<std::monostate, QString, double>;

inline bool isEmpty(const Cell& cell) {
    return std::holds_alternative<std::monostate>(cell);
}
