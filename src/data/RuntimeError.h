#pragma once

#include <QString>

#include <exception>
#include <optional>
#include <string>
#include <utility>

// A failure of an action that has no handling of its own: it carries the error's number and
// description, the action stops, and the window reports it in a message box.
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, const QString& description);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    // The value box whose text failed to convert (row, column from 1), when a box is to blame.
    std::optional<std::pair<int, int>> valueBox;

    static RuntimeError overflow();
    static RuntimeError divisionByZero();

    // The text shown to the user, number and description together.
    QString message() const;
    // The message in UTF-8.
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

// Rounds a 64-bit result to the 32-bit float it is stored in; a value beyond the 32-bit range
// (or no value at all) is an overflow rather than an infinity.
float toSingle(double value);
