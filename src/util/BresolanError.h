#pragma once
// The one exception type of the program: a failure that carries the text the user is shown.

#include <stdexcept>
#include <string>

#include <QString>

class BresolanError : public std::runtime_error
{
public:
    explicit BresolanError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    // The text exactly as the user is to read it (the error report may add a period).
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};
