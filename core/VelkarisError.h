#pragma once

#include <QString>
#include <stdexcept>

namespace velkaris {

/// A failure whose text is meant for the user; command handlers catch it and show it.
class EVelkarisError : public std::runtime_error {
public:
    explicit EVelkarisError(const QString& userText)
        : std::runtime_error(userText.toStdString()), m_UserText(userText) {}
    const QString& UserText() const { return m_UserText; }

private:
    QString m_UserText;
};

/// A birth record whose date or time cannot form a date-time.
class EInvalidDateError : public EVelkarisError {
public:
    using EVelkarisError::EVelkarisError;
};

} // namespace velkaris
