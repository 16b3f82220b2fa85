#include "automation/AutomationSwitches.h"

namespace AutomationSwitches {

AutomationStart Parse(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.size() < 2 || (argument[0] != u'-' && argument[0] != u'/'))
            continue;
        const QStringView name = QStringView(argument).sliced(1);
        if (name.compare(u"AUTOMATION", Qt::CaseInsensitive) == 0)
            return AutomationStart::Automation;
        if (name.compare(u"EMBEDDING", Qt::CaseInsensitive) == 0)
            return AutomationStart::Embedding;
        if (name.compare(u"REGSERVER", Qt::CaseInsensitive) == 0)
            return AutomationStart::RegServer;
        if (name.compare(u"UNREGSERVER", Qt::CaseInsensitive) == 0)
            return AutomationStart::UnregServer;
    }
    return AutomationStart::Normal;
}

} // namespace AutomationSwitches
