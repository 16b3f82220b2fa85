#pragma once

#include <QString>
#include <QStringList>

class ProfileFile;

// What the Options dialog reads from and writes to "zvb.ini", apart from the
// tools (TToolItems keeps those).
struct OptionSettings
{
    // How mail to an Internet address goes out ("Settings" "INetMail").
    enum MailMethod { MailTo = 1, Mapi = 2, WebBrowser = 3 };

    QString browserPath;                            // "Browser" "Path"
    QString ddeName = QStringLiteral("IExplore");   // "Browser" "DDE"
    int inetMail = MailTo;                          // any other number selects no choice
    bool callerId = false;                          // "Settings" "CallerId"
    QStringList categories;                         // "Categories" "Cat1".."Cat32"

    static OptionSettings Read(const ProfileFile& profile);
    // Writes every key; "Categories" is erased first and gets one key per
    // name. False when the file could not be written.
    bool Write(ProfileFile& profile) const;

    // The program the browser link starts: the path without a trailing ".exe".
    static QString BrowserProgram(const QString& path);
};
