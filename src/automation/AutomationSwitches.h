#pragma once

#include <QStringList>

// The automation switches of the command line: a parameter beginning with
// "-" or "/" whose rest is one of the names, compared without regard to case.
enum class AutomationStart {
    Normal,      // started by the user
    Automation,  // "AUTOMATION": started for a client; quits after the last release
    Embedding,   // "EMBEDDING": the same
    RegServer,   // "REGSERVER": write the activation file and end
    UnregServer, // "UNREGSERVER": remove it and end
};

namespace AutomationSwitches {

// The first switch among the parameters (the program path is skipped).
AutomationStart Parse(const QStringList& arguments);

inline bool QuitsAfterLastRelease(AutomationStart start)
{
    return start == AutomationStart::Automation || start == AutomationStart::Embedding;
}

} // namespace AutomationSwitches
