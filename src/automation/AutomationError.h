#pragma once

#include "model/Exceptions.h"

// A call that cannot be carried out; the name says which kind of D-Bus
// error the client receives.
class EAutomationError : public EZendrivoError
{
public:
    EAutomationError(const QString& errorName, const QString& message)
        : EZendrivoError(message), m_errorName(errorName) {}
    const QString& ErrorName() const { return m_errorName; }

private:
    QString m_errorName;
};
