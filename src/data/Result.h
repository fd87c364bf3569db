#pragma once

#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>
#include <variant>

// What a user's action came to when it could not be done: loading or saving a file, printing,
// copying, drawing from the command line. A programming error is no failure; the numbered errors
// of the chart engine are thrown as RuntimeError.

// What was being done, which frames the message.
enum class Action {
    LoadTable,
    // A data text file that ends before its last field: the reason counts the fields.
    LoadIncompleteTable,
    SaveTable,
    LoadPicture,
    SavePicture,
    Print,
    CopyPicture,
    DrawChart,
};

struct Failure {
    Action action = Action::LoadTable;
    // The file acted on, as the user named it; empty for none, or where a reader of bytes does
    // not know it (its caller names it).
    QString file;
    QString reason; // why, in the user's words
    bool operator==(const Failure&) const = default;
};

// The message that tells the user of the failure, the one text the window shows and the command
// line writes.
QString failureMessage(const Failure& failure);

// Messages told together: the ones that say something, joined by `separator`.
QString joinedMessages(std::initializer_list<QString> messages, QChar separator = u'\n');

// A value, or the failure that took its place.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : held_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure)
        : held_(std::in_place_index<1>, std::move(failure)) {}

    explicit operator bool() const { return held_.index() == 0; }
    T& operator*() { return std::get<0>(held_); }
    const T& operator*() const { return std::get<0>(held_); }
    T* operator->() { return &std::get<0>(held_); }
    const T* operator->() const { return &std::get<0>(held_); }
    const Failure& failure() const { return std::get<1>(held_); }
    // The failure naming `file`, when its reader did not know it.
    Result&& onFile(const QString& file) && {
        if (Failure* failure = std::get_if<1>(&held_))
            failure->file = file;
        return std::move(*this);
    }

private:
    std::variant<T, Failure> held_;
};

// Success, or the failure.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : failure_(std::move(failure)) {}

    explicit operator bool() const { return !failure_; }
    const Failure& failure() const { return failure_.value(); }

private:
    std::optional<Failure> failure_;
};
