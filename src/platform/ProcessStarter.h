#pragma once

#include <QString>
#include <QStringList>

// Outcome of starting a program or opening a document; error is a complete
// message for the user when ok is false.
struct LaunchResult
{
    bool ok = false;
    QString error;
};

// Starts a program detached from Zendrivo. Behind an interface so that tests
// can record what would be started instead of starting it.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;

    // An empty working directory keeps the current one.
    virtual LaunchResult start(const QString& program, const QStringList& arguments,
                               const QString& workingDirectory) = 0;
};
