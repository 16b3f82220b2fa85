#include "ui/common/CategoryNames.h"

#include "platform/ProfileFile.h"

QStringList CategoryNames::Read(const ProfileFile& profile)
{
    QStringList names;
    names.reserve(kCount);
    for (int n = 1; n <= kCount; ++n) {
        const QString name = profile.ReadString(QStringLiteral("Categories"), u"Cat" + QString::number(n));
        names.append(name.isEmpty() ? DefaultName(n) : name);
    }
    return names;
}

QStringList CategoryNames::ReadDefault()
{
    return Read(ProfileFile(ProfileFile::Default()));
}

QString CategoryNames::DefaultName(int number)
{
    return u"User Defined " + QString::number(number);
}

namespace {
QStringList& Installed()
{
    static QStringList names;
    return names;
}
} // namespace

QStringList CategoryNames::Current()
{
    return Installed().isEmpty() ? ReadDefault() : Installed();
}

void CategoryNames::SetCurrent(const QStringList& names)
{
    Installed() = names;
}
