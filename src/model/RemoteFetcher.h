#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Fetches the sources of remote folders that live on a web server. The
// communication layer installs one at start; without one such a folder
// cannot be refreshed.
class RemoteFetcher
{
public:
    virtual ~RemoteFetcher() = default;

    // The document's last change in UTC; invalid when the server names none.
    // Throws EZendrivoError when the server cannot be asked.
    virtual QDateTime LastModified(const QString& url) = 0;
    // The document's bytes, only from a successful answer; throws
    // EZendrivoError with the reason otherwise.
    virtual QByteArray Fetch(const QString& url) = 0;

    static RemoteFetcher* Current();
    static void Install(RemoteFetcher* fetcher);
};
