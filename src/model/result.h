#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace korvane {

// A failure told to a person: what went wrong, where, and what was expected.
struct Error {
    std::string message;
};

// Success, or an Error.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Error error) : error_(std::move(error)) {}  // NOLINT: implicit from Error by design

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return error_->message; }

private:
    std::optional<Error> error_;
};

// A value, or an Error.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}      // NOLINT: implicit by design
    Result(Error error) : state_(std::move(error)) {}  // NOLINT: implicit by design

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T& operator*() { return value(); }
    T* operator->() { return &value(); }
    const std::string& message() const { return std::get<Error>(state_).message; }
    Status status() const { return ok() ? Status() : Status(std::get<Error>(state_)); }

private:
    std::variant<T, Error> state_;
};

}  // namespace korvane
