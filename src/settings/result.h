#pragma once

#include <QString>

#include <optional>
#include <utility>

// The outcome of an operation the user may have to read about: a value, or
// a message that names the path and the system's reason.
template <typename T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    static Result failure(QString message) { return Result(std::move(message), 0); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    T take() { return std::move(*m_value); }
    const QString& error() const { return m_error; }

private:
    Result(QString message, int) : m_error(std::move(message)) {}
    std::optional<T> m_value;
    QString m_error;
};

template <>
class Result<void> {
public:
    Result() = default;
    static Result failure(QString message)
    {
        Result r;
        r.m_failed = true;
        r.m_error = std::move(message);
        return r;
    }
    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error; }

private:
    bool m_failed = false;
    QString m_error;
};
