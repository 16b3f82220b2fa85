#include "sync/Multistatus.h"

#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

constexpr auto kDav = u"DAV:";
constexpr auto kCardDav = u"urn:ietf:params:xml:ns:carddav";
constexpr auto kCalendarServer = u"http://calendarserver.org/ns/";

bool Is(const QXmlStreamReader& xml, const char16_t* ns, const char16_t* name)
{
    return xml.namespaceUri() == QStringView(ns) && xml.name() == QStringView(name);
}

// Within a property: the text of the first <href> below it.
QString HrefInside(QXmlStreamReader& xml)
{
    QString href;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (href.isEmpty() && Is(xml, kDav, u"href")) {
                href = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                continue;
            }
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return href;
}

// Reads one <propstat>; its properties count only when its status is 2xx.
void ReadPropstat(QXmlStreamReader& xml, DavResource& resource, bool& anyFound)
{
    DavResource found;
    int status = 200;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (Is(xml, kDav, u"status")) {
            status = MultistatusParser::StatusCode(xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
        } else if (Is(xml, kDav, u"getetag")) {
            found.etag = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kCardDav, u"address-data")) {
            found.addressData = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (Is(xml, kDav, u"sync-token")) {
            found.syncToken = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kCalendarServer, u"getctag")) {
            found.ctag = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kDav, u"displayname")) {
            found.displayName = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kDav, u"current-user-principal")) {
            found.principalHref = HrefInside(xml);
        } else if (Is(xml, kCardDav, u"addressbook-home-set")) {
            found.homeSetHref = HrefInside(xml);
        } else if (Is(xml, kDav, u"collection")) {
            found.isCollection = true;
            xml.skipCurrentElement();
        } else if (Is(xml, kCardDav, u"addressbook")) {
            found.isAddressBook = true;
            xml.skipCurrentElement();
        } else if (Is(xml, kDav, u"prop") || Is(xml, kDav, u"resourcetype")) {
            ++depth; // look inside
        } else {
            xml.skipCurrentElement();
        }
    }
    if (status < 200 || status > 299)
        return;
    anyFound = true;
    auto take = [](QString& to, const QString& from) {
        if (!from.isEmpty())
            to = from;
    };
    take(resource.etag, found.etag);
    take(resource.addressData, found.addressData);
    take(resource.syncToken, found.syncToken);
    take(resource.ctag, found.ctag);
    take(resource.displayName, found.displayName);
    take(resource.principalHref, found.principalHref);
    take(resource.homeSetHref, found.homeSetHref);
    resource.isCollection = resource.isCollection || found.isCollection;
    resource.isAddressBook = resource.isAddressBook || found.isAddressBook;
}

DavResource ReadResponse(QXmlStreamReader& xml)
{
    DavResource resource;
    int ownStatus = 0;
    bool anyFound = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            break;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (Is(xml, kDav, u"href") && resource.href.isEmpty())
            resource.href = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        else if (Is(xml, kDav, u"status"))
            ownStatus = MultistatusParser::StatusCode(xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
        else if (Is(xml, kDav, u"propstat"))
            ReadPropstat(xml, resource, anyFound);
        else
            xml.skipCurrentElement();
    }
    if (ownStatus != 0)
        resource.status = ownStatus;
    else if (!anyFound)
        resource.status = 404;
    return resource;
}

} // namespace

namespace MultistatusParser {

int StatusCode(QStringView statusLine)
{
    const QList<QStringView> parts = statusLine.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() < 2 || !parts[0].startsWith(u"HTTP/"))
        return 0;
    bool ok = false;
    const int code = parts[1].toInt(&ok);
    return ok && code >= 100 && code <= 999 ? code : 0;
}

bool Parse(QByteArrayView body, Multistatus& out, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (body.size() > kMaxBytes)
        return fail(u"The server's answer is too large"_s);
    QXmlStreamReader xml(QByteArray::fromRawData(body.data(), body.size()));
    bool seenRoot = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!seenRoot) {
            if (!Is(xml, kDav, u"multistatus"))
                return fail(u"The server's answer is not a WebDAV multistatus"_s);
            seenRoot = true;
            continue;
        }
        if (Is(xml, kDav, u"response"))
            out.resources.push_back(ReadResponse(xml));
        else if (Is(xml, kDav, u"sync-token"))
            out.syncToken = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError())
        return fail(u"The server's answer is not well-formed XML: "_s + xml.errorString());
    if (!seenRoot)
        return fail(u"The server's answer is empty"_s);
    return true;
}

} // namespace MultistatusParser
