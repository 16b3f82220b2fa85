#pragma once

#include "model/RemoteFetcher.h"

// Fetches remote folders' sources with a fresh TagHTTP and TWebFile per
// request; installs itself for its lifetime.
class HttpRemoteFetcher : public RemoteFetcher
{
public:
    HttpRemoteFetcher();
    ~HttpRemoteFetcher() override;
    HttpRemoteFetcher(const HttpRemoteFetcher&) = delete;
    HttpRemoteFetcher& operator=(const HttpRemoteFetcher&) = delete;

    QDateTime LastModified(const QString& url) override;
    QByteArray Fetch(const QString& url) override;
};
