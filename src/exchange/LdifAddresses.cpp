#include "exchange/LdifAddresses.h"

#include "exchange/ImportLimits.h"
#include "model/Exceptions.h"
#include "model/TextCodec.h"

#include <QByteArray>

namespace {
struct Entry
{
    QString cn, displayName, givenName, surname, mail;
};

// Unfolds: a line that begins with one blank continues the one before.
QList<QString> Unfold(const QList<QString>& lines)
{
    QList<QString> out;
    for (const QString& line : lines) {
        if (line.startsWith(u' ') && !out.isEmpty() && !out.last().isEmpty())
            out.last().append(QStringView(line).sliced(1));
        else
            out.append(line);
    }
    return out;
}

// "name: value", "name:: base64" or "name:< url" (taken as no value).
bool SplitAttribute(const QString& line, QString& name, QString& value)
{
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0)
        return false;
    name = line.first(colon).trimmed().toLower();
    // Options after ";" (such as a language tag) do not change the meaning.
    if (const qsizetype semi = name.indexOf(u';'); semi >= 0)
        name.truncate(semi);
    QStringView rest = QStringView(line).sliced(colon + 1);
    if (rest.startsWith(u':')) {
        const QByteArray decoded = QByteArray::fromBase64(rest.sliced(1).trimmed().toLatin1());
        value = TextCodec::DecodeLine(decoded).trimmed();
    } else if (rest.startsWith(u'<')) {
        value.clear();
    } else {
        value = rest.trimmed().toString();
    }
    return true;
}

void Finish(const Entry& e, QList<MailEntry>& out)
{
    if (e.mail.isEmpty())
        return;
    if (out.size() >= ImportLimits::kMaxEntries)
        throw EReadError(QStringLiteral("The address book holds too many entries"));
    QString name = e.cn;
    if (name.isEmpty())
        name = e.displayName;
    if (name.isEmpty())
        name = QString(e.givenName + u' ' + e.surname).trimmed();
    if (name.isEmpty())
        name = e.mail;
    out.append({name, e.mail});
}
} // namespace

bool LooksLikeLdif(const QList<QString>& lines)
{
    for (const QString& line : lines) {
        if (line.startsWith(u"dn:", Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QList<MailEntry> ParseLdifAddresses(const QList<QString>& lines)
{
    QList<MailEntry> out;
    Entry entry;
    bool open = false;
    for (const QString& line : Unfold(lines)) {
        if (line.trimmed().isEmpty()) {
            if (open)
                Finish(entry, out);
            entry = Entry();
            open = false;
            continue;
        }
        if (line.startsWith(u'#'))
            continue;
        QString name, value;
        if (!SplitAttribute(line, name, value))
            continue;
        open = true;
        if (name == u"cn" && entry.cn.isEmpty())
            entry.cn = value;
        else if (name == u"displayname" && entry.displayName.isEmpty())
            entry.displayName = value;
        else if (name == u"givenname" && entry.givenName.isEmpty())
            entry.givenName = value;
        else if (name == u"sn" && entry.surname.isEmpty())
            entry.surname = value;
        else if (name == u"mail" && entry.mail.isEmpty())
            entry.mail = value;
    }
    if (open)
        Finish(entry, out);
    return out;
}
