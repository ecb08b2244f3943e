#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace montora {

// Outcome of an engine operation: success, or a failure with a message that the
// caller may show. Engine code never shows anything itself.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status ok() { return Status(); }
    static Status error(QString message) { return Status(std::move(message), false); }

    bool isOk() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }

private:
    Status(QString message, bool ok) : m_ok(ok), m_message(std::move(message)) {}
    bool m_ok = true;
    QString m_message;
};

// A value or the failure that prevented it.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status failure) : m_failure(std::move(failure)) { Q_ASSERT(!m_failure.isOk()); }
    static Result error(QString message) { return Result(Status::error(std::move(message))); }

    bool isOk() const { return m_value.has_value(); }
    explicit operator bool() const { return isOk(); }
    const QString& message() const { return m_failure.message(); }
    Status status() const { return isOk() ? Status::ok() : m_failure; }

    T& value() & { Q_ASSERT(isOk()); return *m_value; }
    const T& value() const& { Q_ASSERT(isOk()); return *m_value; }
    T&& value() && { Q_ASSERT(isOk()); return std::move(*m_value); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    T valueOr(T fallback) const { return isOk() ? *m_value : std::move(fallback); }

private:
    std::optional<T> m_value;
    Status m_failure;
};

} // namespace montora

// Early return on failure, for functions returning Status or Result<U>.
#define MONTORA_TRY(expr)                                                    \
    do {                                                                     \
        auto montoraTryResult_ = (expr);                                     \
        if (!montoraTryResult_.isOk())                                       \
            return ::montora::Status::error(montoraTryResult_.message());    \
    } while (0)

// Evaluates a Result<T> expression and moves its value into `var`, or returns its failure.
#define MONTORA_TRY_ASSIGN(var, expr)                                        \
    auto var##Result_ = (expr);                                              \
    if (!var##Result_.isOk())                                                \
        return ::montora::Status::error(var##Result_.message());             \
    auto var = std::move(var##Result_).value()
