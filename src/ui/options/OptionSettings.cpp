#include "ui/options/OptionSettings.h"

#include "platform/ProfileFile.h"
#include "ui/common/CategoryNames.h"

namespace {
const QString kBrowser = QStringLiteral("Browser");
const QString kSettings = QStringLiteral("Settings");
const QString kCategories = QStringLiteral("Categories");
} // namespace

OptionSettings OptionSettings::Read(const ProfileFile& profile)
{
    OptionSettings s;
    s.browserPath = profile.ReadString(kBrowser, QStringLiteral("Path"));
    s.ddeName = profile.ReadString(kBrowser, QStringLiteral("DDE"), s.ddeName);
    s.inetMail = profile.ReadInteger(kSettings, QStringLiteral("INetMail"), MailTo);
    s.callerId = profile.ReadBool(kSettings, QStringLiteral("CallerId"), false);
    s.categories = CategoryNames::Read(profile);
    return s;
}

bool OptionSettings::Write(ProfileFile& profile) const
{
    const int mail = inetMail == MailTo || inetMail == Mapi ? inetMail : WebBrowser;
    bool ok = profile.WriteString(kBrowser, QStringLiteral("Path"), browserPath)
        && profile.WriteString(kBrowser, QStringLiteral("DDE"), ddeName)
        && profile.WriteInteger(kSettings, QStringLiteral("INetMail"), mail)
        && profile.WriteBool(kSettings, QStringLiteral("CallerId"), callerId)
        && profile.EraseSection(kCategories);
    for (qsizetype n = 0; ok && n < categories.size(); ++n)
        ok = profile.WriteString(kCategories, u"Cat" + QString::number(n + 1), categories.at(n));
    return ok;
}

QString OptionSettings::BrowserProgram(const QString& path)
{
    return path.endsWith(u".exe", Qt::CaseInsensitive) ? path.chopped(4) : path;
}
