#pragma once

#include <QString>
#include <QUrl>

class DavClient;

// Finds the address book behind what a user typed: the book's own address,
// a principal or home address, or only the server's root (then
// "/.well-known/carddav" leads on). The first address book of the user's
// home is taken.
namespace Discovery {

// The address book's URL (ending in "/"); an empty URL and the reason when
// none is found.
QUrl FindAddressBook(DavClient& client, const QUrl& start, QString* error);

} // namespace Discovery
