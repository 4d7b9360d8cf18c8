#pragma once
// An expected failure as a value: success, or an Italian message for the user.

#include <QString>

#include <utility>

namespace zelkor {

class [[nodiscard]] Result {
public:
    static Result Ok() { return Result(); }
    static Result Failure(QString message) { return Result(std::move(message)); }

    [[nodiscard]] bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const QString& message() const { return m_message; }

private:
    Result() = default;
    explicit Result(QString message) : m_failed(true), m_message(std::move(message)) {}

    bool m_failed = false;
    QString m_message;
};

}  // namespace zelkor
