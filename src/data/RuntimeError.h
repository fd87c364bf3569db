#pragma once

#include <QString>

#include <optional>
#include <utility>

// A failure of an action that has no handling of its own: it carries the error's number and
// description, the action stops, and the window reports it in a message box.
struct RuntimeError {
    int number = 0;
    QString description;
    // The value box whose text failed to convert (row, column from 1), when a box is to blame.
    std::optional<std::pair<int, int>> valueBox;

    static RuntimeError overflow();
    static RuntimeError divisionByZero();
    static RuntimeError clipboard();

    // The text shown to the user, number and description together.
    QString message() const;
};

// Rounds a 64-bit result to the 32-bit float it is stored in; a value beyond the 32-bit range
// (or no value at all) is an overflow rather than an infinity.
float toSingle(double value);
