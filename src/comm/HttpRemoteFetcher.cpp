#include "comm/HttpRemoteFetcher.h"

#include "comm/TWebFile.h"
#include "comm/TagHTTP.h"

HttpRemoteFetcher::HttpRemoteFetcher()
{
    RemoteFetcher::Install(this);
}

HttpRemoteFetcher::~HttpRemoteFetcher()
{
    if (RemoteFetcher::Current() == this)
        RemoteFetcher::Install(nullptr);
}

QDateTime HttpRemoteFetcher::LastModified(const QString& url)
{
    TagHTTP http;
    return TWebFile(url, http).LastModified();
}

QByteArray HttpRemoteFetcher::Fetch(const QString& url)
{
    TagHTTP http;
    return TWebFile(url, http).Content();
}
