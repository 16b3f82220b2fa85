#pragma once

#include <QString>

#include <stdexcept>

// Failures are exceptions carrying the fixed message the user sees.
class EZendrivoError : public std::runtime_error
{
public:
    explicit EZendrivoError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// Creating items below a remote (read-only) folder outside its own refresh.
class ERemoteParent : public EZendrivoError
{
public:
    ERemoteParent()
        : EZendrivoError(QStringLiteral("Cannot create new records within a remote (read-only) folder")) {}
};

// The database could not be written; "zivo.dat" is untouched.
class ESaveError : public EZendrivoError
{
public:
    explicit ESaveError(const QString& detail = {})
        : EZendrivoError(QStringLiteral("Error saving database")), m_detail(detail) {}
    // What failed, for logs and the command line tool.
    const QString& Detail() const { return m_detail; }

private:
    QString m_detail;
};

// A file could not be opened or read.
class EReadError : public EZendrivoError
{
public:
    using EZendrivoError::EZendrivoError;
};
