#pragma once

#include "exchange/LdifAddresses.h"
#include "exchange/NetscapeAnchor.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// What a bookmark page ("bookmark.htm") holds for the import: its title and
// every line's anchor, in file order. The page's own folders are not kept.
struct BookmarkPage
{
    QString title;
    QList<AnchorInfo> links;
};

// What an address-book page ("address.htm") holds: its title and the
// e-mail entries of its "mailto:" anchors.
struct AddressPage
{
    QString title;
    QList<MailEntry> entries;
};

// Both throw EReadError when the bytes exceed the page cap or hold more
// entries than an import takes.
BookmarkPage ParseBookmarkPage(QByteArrayView bytes);
// An anchor's "mailto:" prefix (any case) and any "?" query after the address
// go; a link that is no mail address is skipped. A file saved as LDIF
// instead of a page is read as such.
AddressPage ParseAddressPage(QByteArrayView bytes);
