#include "sync/Discovery.h"

#include "sync/DavClient.h"
#include "sync/Multistatus.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kProbe = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">
  <d:prop><d:resourcetype/><d:current-user-principal/><c:addressbook-home-set/><d:displayname/></d:prop>
</d:propfind>)";

QUrl WithSlash(QUrl url)
{
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    return url;
}

bool Probe(DavClient& client, const QUrl& url, int depth, Multistatus& out, QString* error)
{
    const DavReply reply = client.Propfind(url, depth, kProbe);
    if (reply.status != 207) {
        if (error)
            *error = reply.status == 401 ? u"The server refused the user name or password"_s : reply.Describe();
        return false;
    }
    return MultistatusParser::Parse(reply.body, out, error);
}

} // namespace

namespace Discovery {

QUrl FindAddressBook(DavClient& client, const QUrl& start, QString* error)
{
    QUrl url = start;
    bool triedWellKnown = false;
    for (int step = 0; step < 8; ++step) {
        Multistatus found;
        QString reason;
        if (!Probe(client, url, 0, found, &reason)) {
            if (!triedWellKnown && reason != u"The server refused the user name or password") {
                triedWellKnown = true;
                url = url.resolved(QUrl(u"/.well-known/carddav"_s));
                continue;
            }
            if (error)
                *error = reason;
            return {};
        }
        const DavResource* self = found.resources.empty() ? nullptr : &found.resources.front();
        if (self && self->isAddressBook)
            return WithSlash(url);
        if (self && !self->homeSetHref.isEmpty()) {
            const QUrl home = WithSlash(url.resolved(QUrl(self->homeSetHref)));
            Multistatus books;
            if (!Probe(client, home, 1, books, error))
                return {};
            for (const DavResource& book : books.resources) {
                if (book.isAddressBook)
                    return WithSlash(home.resolved(QUrl(book.href)));
            }
            if (error)
                *error = u"The server holds no address book for this user"_s;
            return {};
        }
        if (self && !self->principalHref.isEmpty() && url.resolved(QUrl(self->principalHref)) != url) {
            url = url.resolved(QUrl(self->principalHref));
            continue;
        }
        if (!triedWellKnown) {
            triedWellKnown = true;
            url = url.resolved(QUrl(u"/.well-known/carddav"_s));
            continue;
        }
        break;
    }
    if (error)
        *error = u"No address book was found at this address"_s;
    return {};
}

} // namespace Discovery
