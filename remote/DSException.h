#pragma once

#include <QString>
#include <stdexcept>

// An error raised by the remote layer: its class name and message, as the server or the
// transport reported them. Callers show message() as it stands.
class DSException : public std::runtime_error
{
public:
    explicit DSException(const QString &message, const QString &className = QStringLiteral("EDSException"))
        : std::runtime_error(message.toStdString()), m_message(message), m_className(className)
    {
    }

    const QString &message() const { return m_message; }
    const QString &className() const { return m_className; }

private:
    QString m_message;
    QString m_className;
};
