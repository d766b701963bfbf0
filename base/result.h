#pragma once

// How the plain libraries report a failure: a value, or a text for the user
// that says what went wrong and where.

#include <optional>
#include <string>
#include <utility>

namespace trevalo {

template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: a value is a success
    static Result failure(std::string error) { return Result(std::move(error), 0); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    const T* operator->() const { return &*value_; }
    const std::string& error() const { return error_; }

private:
    Result(std::string error, int) : error_(std::move(error)) {}
    std::optional<T> value_;
    std::string error_;
};

// What returns nothing: done, or a text that says what went wrong and where.
template <>
class Result<void> {
public:
    Result() = default;
    static Result failure(std::string error)
    {
        Result r;
        r.failed_ = true;
        r.error_ = std::move(error);
        return r;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

private:
    bool failed_ = false;
    std::string error_;
};

}  // namespace trevalo
