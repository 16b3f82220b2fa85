#include "sync/Binding.h"

#include "platform/ProfileFile.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"CardDAV"_s;

QString KeyOf(std::int32_t folderId)
{
    return u"Folder"_s + QString::number(folderId);
}

std::optional<Binding> Parse(std::int32_t folderId, const QString& value)
{
    const QString trimmed = value.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    QString user = blank < 0 ? QString() : trimmed.mid(blank + 1);
    user.replace(u"%20"_s, u" "_s).replace(u"%25"_s, u"%"_s);
    Binding binding{folderId, blank < 0 ? trimmed : trimmed.left(blank), user};
    if (binding.url.isEmpty())
        return std::nullopt;
    return binding;
}

} // namespace

std::optional<Binding> Binding::Of(const QString& profilePath, std::int32_t folderId)
{
    return Parse(folderId, ProfileFile(profilePath).ReadString(kSection, KeyOf(folderId)));
}

std::vector<Binding> Binding::All(const QString& profilePath)
{
    std::vector<Binding> all;
    const ProfileFile profile(profilePath);
    for (const QString& key : profile.ReadSection(kSection)) {
        if (!key.startsWith(u"Folder"_s, Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const std::int32_t folderId = key.mid(6).toInt(&ok);
        if (!ok)
            continue;
        if (auto binding = Parse(folderId, profile.ReadString(kSection, key)))
            all.push_back(*binding);
    }
    return all;
}

bool Binding::Store(const QString& profilePath) const
{
    // The user name follows the address; its blanks are percent-encoded.
    QString name = user;
    name.replace(u'%', u"%25"_s).replace(u' ', u"%20"_s);
    return ProfileFile(profilePath).WriteString(kSection, KeyOf(folderId), url + u' ' + name);
}

bool Binding::Remove(const QString& profilePath, std::int32_t folderId)
{
    return ProfileFile(profilePath).DeleteKey(kSection, KeyOf(folderId));
}

int Binding::IntervalMinutes(const QString& profilePath)
{
    return std::max(0, ProfileFile(profilePath).ReadInteger(kSection, u"SyncMinutes"_s, 15));
}
