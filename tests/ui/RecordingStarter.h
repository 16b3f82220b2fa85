#pragma once

#include "platform/ProcessStarter.h"

#include <QList>
#include <QString>
#include <QStringList>

// Records what would be started instead of starting it.
class RecordingStarter : public ProcessStarter
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };

    LaunchResult start(const QString& program, const QStringList& arguments, const QString& workingDirectory) override
    {
        calls.append({program, arguments, workingDirectory});
        return result;
    }

    QList<Call> calls;
    LaunchResult result{true, {}};
};
