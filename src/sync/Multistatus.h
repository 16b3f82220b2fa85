#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// One resource of a WebDAV multistatus answer, with the properties that were
// found (status 200); a response without properties carries its own status
// (404 for a card deleted since a sync token).
struct DavResource
{
    QString href;          // as sent, percent-encoded, possibly absolute
    int status = 200;      // of the response, or of its found properties
    QString etag;
    QString addressData;   // the card text of a multiget
    QString syncToken;
    QString ctag;          // the collection's version tag (getctag)
    QString displayName;
    bool isCollection = false;
    bool isAddressBook = false;
    QString principalHref;  // current-user-principal
    QString homeSetHref;    // addressbook-home-set
};

struct Multistatus
{
    std::vector<DavResource> resources;
    QString syncToken; // of a sync-collection report
};

namespace MultistatusParser {

// Bodies longer than this are refused.
inline constexpr qsizetype kMaxBytes = 256 * 1024 * 1024;

// Reads a multistatus body; false with a reason when it is not well-formed
// XML or not a multistatus. The reader keeps no stack of its own per level,
// so a deep document costs nothing but time.
bool Parse(QByteArrayView body, Multistatus& out, QString* error = nullptr);

// The status code of an HTTP status line ("HTTP/1.1 404 Not Found" gives
// 404), or 0 when the line is not one.
int StatusCode(QStringView statusLine);

} // namespace MultistatusParser
