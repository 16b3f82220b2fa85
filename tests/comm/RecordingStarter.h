#pragma once

#include "platform/ProcessStarter.h"

#include <QStringList>

// Records what would be started instead of starting it.
class RecordingStarter : public ProcessStarter
{
public:
    LaunchResult start(const QString& program, const QStringList& arguments, const QString& /*workingDirectory*/) override
    {
        started.append(QStringList{program} + arguments);
        return {succeed, succeed ? QString() : QStringLiteral("could not start")};
    }

    QList<QStringList> started;
    bool succeed = true;
};
