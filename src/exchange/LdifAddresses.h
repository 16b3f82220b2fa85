#pragma once

#include <QList>
#include <QString>

// A name and an e-mail address from an address book.
struct MailEntry
{
    QString name;
    QString address;
};

// The address books of the same browser family were also saved as LDIF
// ("dn:" entries separated by blank lines). Takes every entry with a "mail"
// attribute; its name is "cn", else "displayName", else given name and
// surname, else the address. Folded lines and base64 ("::") values are read;
// lists (entries without a mail attribute) are skipped.
QList<MailEntry> ParseLdifAddresses(const QList<QString>& lines);

// True when some line starts an LDIF entry ("dn:"); exports may carry stray
// text before the first one.
bool LooksLikeLdif(const QList<QString>& lines);
