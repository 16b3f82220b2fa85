#pragma once

#include "platform/ProcessStarter.h"

// Starts programs through QProcess::startDetached; they outlive Zendrivo.
class DetachedProcessStarter : public ProcessStarter
{
public:
    LaunchResult start(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory) override;
};
