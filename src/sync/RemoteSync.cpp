#include "sync/RemoteSync.h"

#include "sync/CardMerge.h"
#include "sync/DavClient.h"
#include "sync/Multistatus.h"
#include "exchange/StandardCard.h"

#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBatch = 100;

// Hrefs are compared as paths, whatever form the server writes them in.
QString PathOf(const QUrl& book, const QString& href)
{
    return book.resolved(QUrl(href)).path(QUrl::FullyEncoded);
}

[[noreturn]] void Fail(const QString& what, const DavReply& reply)
{
    if (reply.status == 401 || reply.status == 403)
        throw ESyncError(what + u": the server refused the user name or password"_s);
    throw ESyncError(what + u": "_s + reply.Describe());
}

Multistatus ParseOrFail(const QString& what, const DavReply& reply)
{
    Multistatus parsed;
    QString error;
    if (!MultistatusParser::Parse(reply.body, parsed, &error))
        throw ESyncError(what + u": "_s + error);
    return parsed;
}

// What the server holds now, or what changed since the token.
struct Listing
{
    QHash<QString, QString> etags; // path -> ETag of present (or changed) cards
    QSet<QString> deleted;         // paths gone since the token
    bool complete = false;         // etags lists every card of the book
    QString token;
    QString ctag;                  // of a complete listing
};

// The book's version tag, asked for alone: the cheapest request that tells
// whether anything in the book changed. "offered" is false when the server
// answered without one; a failed request tells nothing (the sync then reads
// the changes as usual, and that request reports the failure).
struct BookTag
{
    QString ctag;
    bool offered = true;
};

BookTag AskBookTag(DavClient& client, const QUrl& book)
{
    const DavReply reply = client.Propfind(
        book, 0,
        R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:cs="http://calendarserver.org/ns/"><d:prop><cs:getctag/></d:prop></d:propfind>)");
    Multistatus parsed;
    if (reply.status != 207 || !MultistatusParser::Parse(reply.body, parsed))
        return {};
    const QString bookPath = book.path(QUrl::FullyEncoded);
    for (const DavResource& resource : parsed.resources) {
        if (PathOf(book, resource.href) == bookPath)
            return {resource.ctag, !resource.ctag.isEmpty()};
    }
    return {};
}

bool ListChanges(DavClient& client, const QUrl& book, const QString& token, Listing& listing)
{
    const QByteArray body = u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                            "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>%1</d:sync-token>"
                            "<d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>"_s
                                .arg(token.toHtmlEscaped())
                                .toUtf8();
    const DavReply reply = client.Report(book, 0, body);
    if (reply.status == 400 || reply.status == 403 || reply.status == 409 || reply.status == 412)
        return false; // the token is no longer valid: compare everything
    if (reply.status != 207)
        Fail(u"Reading the changes"_s, reply);
    const Multistatus parsed = ParseOrFail(u"Reading the changes"_s, reply);
    const QString bookPath = book.path(QUrl::FullyEncoded);
    for (const DavResource& resource : parsed.resources) {
        const QString path = PathOf(book, resource.href);
        if (path == bookPath)
            continue;
        if (resource.status == 404)
            listing.deleted.insert(path);
        else if (resource.status >= 200 && resource.status <= 299)
            listing.etags.insert(path, resource.etag);
    }
    listing.token = parsed.syncToken;
    return true;
}

void ListAll(DavClient& client, const QUrl& book, Listing& listing)
{
    const QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:cs="http://calendarserver.org/ns/"><d:prop><d:getetag/><d:resourcetype/><d:sync-token/><cs:getctag/></d:prop></d:propfind>)";
    const DavReply reply = client.Propfind(book, 1, body);
    if (reply.status != 207)
        Fail(u"Reading the address book"_s, reply);
    const Multistatus parsed = ParseOrFail(u"Reading the address book"_s, reply);
    const QString bookPath = book.path(QUrl::FullyEncoded);
    bool sawBook = false;
    for (const DavResource& resource : parsed.resources) {
        const QString path = PathOf(book, resource.href);
        if (path == bookPath) {
            sawBook = true;
            if (!resource.isAddressBook && !resource.isCollection)
                throw ESyncError(u"The address \"%1\" is not an address book"_s.arg(book.toDisplayString()));
            listing.token = resource.syncToken;
            listing.ctag = resource.ctag;
            continue;
        }
        if (resource.isCollection || resource.status != 200)
            continue;
        listing.etags.insert(path, resource.etag);
    }
    if (!sawBook && parsed.resources.empty())
        throw ESyncError(u"The address \"%1\" is not an address book"_s.arg(book.toDisplayString()));
    listing.complete = true;
}

// Fetches the cards at the paths; a card that has gone meanwhile is left out.
QHash<QString, ServerCard> Fetch(DavClient& client, const QUrl& book, const QStringList& paths)
{
    QHash<QString, ServerCard> cards;
    for (qsizetype first = 0; first < paths.size(); first += kBatch) {
        QString hrefs;
        for (const QString& path : paths.mid(first, kBatch))
            hrefs += u"<d:href>"_s + path.toHtmlEscaped() + u"</d:href>"_s;
        const QByteArray body = (u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                 "<c:addressbook-multiget xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
                                 "<d:prop><d:getetag/><c:address-data/></d:prop>"_s
                                 + hrefs + u"</c:addressbook-multiget>"_s)
                                    .toUtf8();
        const DavReply reply = client.Report(book, 1, body);
        if (reply.status != 207)
            Fail(u"Reading the cards"_s, reply);
        for (const DavResource& resource : ParseOrFail(u"Reading the cards"_s, reply).resources) {
            if (resource.status == 200 && !resource.addressData.isEmpty()) {
                const QString path = PathOf(book, resource.href);
                cards.insert(path, {path, resource.etag, resource.addressData});
            }
        }
    }
    return cards;
}

// One card by GET, for the cases where a conditional request found it
// changed; an empty text when it has gone.
ServerCard FetchOne(DavClient& client, const QUrl& book, const QString& path)
{
    const DavReply reply = client.Send("GET", book.resolved(QUrl(path)));
    if (reply.status == 404 || reply.status == 410)
        return {path, {}, {}};
    if (!reply.Ok())
        Fail(u"Reading a card"_s, reply);
    return {path, reply.etag, QString::fromUtf8(reply.body)};
}

// The ETag a PUT gave the card; asked for when the server did not say.
QString EtagAfterPut(DavClient& client, const QUrl& book, const QString& path, const DavReply& put)
{
    if (!put.etag.isEmpty())
        return put.etag;
    const DavReply reply = client.Propfind(
        book.resolved(QUrl(path)), 0,
        R"(<?xml version="1.0" encoding="utf-8"?><d:propfind xmlns:d="DAV:"><d:prop><d:getetag/></d:prop></d:propfind>)");
    if (reply.status != 207)
        Fail(u"Reading a card's version"_s, reply);
    const Multistatus parsed = ParseOrFail(u"Reading a card's version"_s, reply);
    return parsed.resources.empty() ? QString() : parsed.resources.front().etag;
}

QString WithUid(const QString& card, const QString& uid)
{
    QString text = card;
    const qsizetype at = text.indexOf(u"\r\n"_s, text.indexOf(u"VERSION:"_s)) + 2;
    return text.insert(at, u"UID:"_s + uid + u"\r\n"_s);
}

} // namespace

namespace RemoteSync {

SyncPlan Run(DavClient& client, const QUrl& book, const LocalSnapshot& local, const FolderSyncState& state)
{
    SyncPlan plan;
    plan.noCtag = state.noCtag;
    Listing listing;
    // The version tag is asked for before the changes are read, so a change
    // made in between shows in the next sync's tag.
    bool serverUnchanged = false;
    const bool syncedBefore = !state.syncToken.isEmpty() || !state.entries.empty();
    if (syncedBefore && !state.noCtag) {
        const BookTag tag = AskBookTag(client, book);
        plan.ctag = tag.ctag;
        plan.noCtag = !tag.offered;
        serverUnchanged = !tag.ctag.isEmpty() && tag.ctag == state.ctag;
    }
    if (serverUnchanged) {
        listing.token = state.syncToken;
    } else if (state.syncToken.isEmpty() || !ListChanges(client, book, state.syncToken, listing)) {
        listing = Listing();
        ListAll(client, book, listing);
        plan.ctag = listing.ctag;
        plan.noCtag = listing.ctag.isEmpty();
    }
    plan.syncToken = listing.token;

    // The cards to read: new ones, and those whose version differs.
    const QHash<QString, const SyncEntry*> entryAt = state.ByHref();
    QStringList toFetch;
    for (auto it = listing.etags.begin(); it != listing.etags.end(); ++it) {
        const SyncEntry* entry = entryAt.value(it.key());
        if (!entry || entry->etag != it.value() || it.value().isEmpty())
            toFetch.append(it.key());
    }
    toFetch.sort();
    const QSet<QString> wanted(toFetch.begin(), toFetch.end());
    QHash<QString, ServerCard> fetched = Fetch(client, book, toFetch);
    auto goneFromServer = [&](const QString& path) {
        if (listing.deleted.contains(path))
            return true;
        if (listing.complete && !listing.etags.contains(path))
            return true;
        // Listed as changed, but gone before it could be read.
        return wanted.contains(path) && !fetched.contains(path);
    };

    QHash<std::int32_t, const LocalCard*> localById;
    for (const LocalCard& card : local.cards)
        localById.insert(card.itemId, &card);
    QSet<std::int32_t> paired;
    QSet<QString> handledPaths;
    for (const SyncEntry& entry : state.entries) {
        handledPaths.insert(entry.href);
        const LocalCard* mine = localById.value(entry.itemId);
        const bool serverGone = goneFromServer(entry.href);
        const auto serverCard = fetched.constFind(entry.href);
        const bool serverChanged = !serverGone && serverCard != fetched.constEnd();
        if (!mine) {
            if (serverGone)
                continue;
            if (serverChanged) {
                plan.creations.push_back(*serverCard); // changed there: bring it back
                continue;
            }
            const DavReply reply = client.Send("DELETE", book.resolved(QUrl(entry.href)), {},
                                               {{"If-Match", entry.etag.toUtf8()}});
            if (reply.status == 412) {
                const ServerCard now = FetchOne(client, book, entry.href);
                if (!now.text.isEmpty())
                    plan.creations.push_back(now);
                continue;
            }
            if (!reply.Ok() && reply.status != 404 && reply.status != 410)
                Fail(u"Deleting a card"_s, reply);
            ++plan.counts.serverDeleted;
            continue;
        }
        paired.insert(entry.itemId);
        const bool localChanged = mine->digest != entry.digest;
        if (serverGone) {
            if (localChanged)
                paired.remove(entry.itemId); // changed here: it goes up again as a new card
            else
                plan.removals.push_back({entry.itemId, mine->digest});
            continue;
        }
        if (serverChanged) {
            plan.updates.push_back({entry.itemId, mine->digest, *serverCard, localChanged});
            continue;
        }
        if (!localChanged) {
            plan.entries.push_back(entry);
            continue;
        }
        const QString text = CardMerge::Merge(entry.card, WithUid(mine->card, entry.uid));
        const DavReply reply = client.Send("PUT", book.resolved(QUrl(entry.href)), text.toUtf8(),
                                           {{"If-Match", entry.etag.toUtf8()},
                                            {"Content-Type", "text/vcard; charset=utf-8"}});
        if (reply.status == 412) {
            const ServerCard now = FetchOne(client, book, entry.href);
            if (now.text.isEmpty())
                paired.remove(entry.itemId);
            else
                plan.updates.push_back({entry.itemId, mine->digest, now, true});
            continue;
        }
        if (!reply.Ok())
            Fail(u"Sending a card"_s, reply);
        SyncEntry sent = entry;
        sent.etag = EtagAfterPut(client, book, entry.href, reply);
        sent.digest = mine->digest;
        sent.card = text;
        plan.entries.push_back(sent);
        ++plan.counts.serverUpdated;
    }

    // Cards new to this folder. One that carries the UID of an item of ours
    // that has no card yet was sent by an earlier, unfinished sync: the two
    // are compared rather than doubled.
    for (auto it = fetched.begin(); it != fetched.end(); ++it) {
        if (handledPaths.contains(it.key()))
            continue;
        const std::int32_t itemId = StandardCard::ItemOfUid(StandardCard::UidOf(it.value().text));
        const LocalCard* mine = itemId ? localById.value(itemId) : nullptr;
        if (mine && !paired.contains(itemId)) {
            paired.insert(itemId);
            plan.updates.push_back({itemId, mine->digest, it.value(), true});
        } else {
            plan.creations.push_back(it.value());
        }
    }

    // The folder's own new items. Without any state the server's new cards
    // are matched by contents first, so the items go up in the next round.
    const bool matchFirst = state.entries.empty() && !plan.creations.empty();
    for (const LocalCard& mine : local.cards) {
        if (paired.contains(mine.itemId))
            continue;
        if (matchFirst) {
            plan.pushDeferred = true;
            continue;
        }
        const QString uid = StandardCard::UidForItem(mine.itemId);
        const QString path = book.path(QUrl::FullyEncoded) + uid + u".vcf"_s;
        const QString text = WithUid(mine.card, uid);
        const DavReply reply = client.Send("PUT", book.resolved(QUrl(path)), text.toUtf8(),
                                           {{"If-None-Match", "*"}, {"Content-Type", "text/vcard; charset=utf-8"}});
        if (reply.status == 412) {
            const ServerCard now = FetchOne(client, book, path);
            if (!now.text.isEmpty())
                plan.updates.push_back({mine.itemId, mine.digest, now, true});
            continue;
        }
        if (!reply.Ok())
            Fail(u"Sending a card"_s, reply);
        plan.entries.push_back({mine.itemId, path, EtagAfterPut(client, book, path, reply), uid, mine.digest, text});
        ++plan.counts.serverCreated;
    }
    return plan;
}

} // namespace RemoteSync
