#include "comm/MailRoute.h"

MailRoute ChooseMailRoute(int mode, int recipients, const QString& address, bool withAttachment)
{
    if (recipients >= 2)
        return mode == 2 ? MailRoute::MailProgram : MailRoute::AskThenMailProgram;
    if (!withAttachment && address.contains(u'@')) {
        if (mode == 1)
            return MailRoute::DesktopLink;
        if (mode == 3)
            return MailRoute::BrowserLink;
    }
    return MailRoute::MailProgram;
}
