#include "model/RemoteFetcher.h"

namespace {
RemoteFetcher* g_fetcher = nullptr;
}

RemoteFetcher* RemoteFetcher::Current()
{
    return g_fetcher;
}

void RemoteFetcher::Install(RemoteFetcher* fetcher)
{
    g_fetcher = fetcher;
}
