#pragma once

#include "platform/ProcessStarter.h"

#include <QString>
#include <QStringList>

// Starts programs with a parameter text and opens documents and URLs with the
// desktop's default application, the way the shell's "open" verb did.
class ShellLauncher
{
public:
    // Starts through QProcess::startDetached.
    ShellLauncher();
    // Starts through the given starter, which must outlive the launcher.
    explicit ShellLauncher(ProcessStarter& starter);

    // Splits a parameter text into arguments as a POSIX shell does: blanks
    // separate, single quotes keep everything literally, double quotes keep
    // blanks and allow \" and \\, a backslash outside quotes escapes the next
    // character. An unclosed quote runs to the end of the text.
    static QStringList SplitArguments(const QString& text);

    // Starts the program with the split parameters; an empty parameter text
    // gives no arguments. An empty working directory keeps the current one.
    LaunchResult Launch(const QString& program, const QString& parameters,
                        const QString& workingDirectory = {}) const;

    // Opens a file (absolute or relative to the current directory) or a URL
    // through xdg-open. A local file that does not exist is reported here,
    // since the detached opener can no longer tell us.
    LaunchResult OpenDocument(const QString& pathOrUrl) const;

private:
    ProcessStarter* m_starter;
};
