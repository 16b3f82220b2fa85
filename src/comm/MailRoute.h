#pragma once

#include <QString>

// How a message to one e-mail item (or to the list pane's selection) goes
// out, by the "Settings" "INetMail" mode: 1 a "mailto:" link opened by the
// desktop, 2 always the mail program, 3 a "mailto:" link opened in the web
// browser, 0 (missing) the mail program after asking about several
// recipients.
enum class MailRoute {
    MailProgram,        // the whole message through TEmail
    AskThenMailProgram, // several recipients: ask first, "Yes" goes on
    DesktopLink,        // "mailto:" + address through xdg-open
    BrowserLink,        // "mailto:" + address in the web browser
};

// A link carries one Internet address (one with "@") and nothing else; an
// attachment always needs the mail program.
MailRoute ChooseMailRoute(int mode, int recipients, const QString& address, bool withAttachment);
