#pragma once

#include <string>
#include <utility>

namespace density {

// Outcome of an operation that can stop on malformed data: a value, or the
// reason it could not be computed (shown by the program's generic error report).
template <typename T>
class Result {
public:
    Result(T value) : m_ok(true), m_value(std::move(value)) {}  // NOLINT: implicit by design
    static Result failure(std::string reason)
    {
        Result r;
        r.m_error = std::move(reason);
        return r;
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const T& value() const { return m_value; }
    const T& operator*() const { return m_value; }
    const T* operator->() const { return &m_value; }
    const std::string& error() const { return m_error; }

private:
    Result() = default;
    bool m_ok = false;
    T m_value{};
    std::string m_error;
};

}  // namespace density
