#include "model/ItemHost.h"

namespace {
ItemHost* g_host = nullptr;
}

ItemHost* ItemHost::Current()
{
    return g_host;
}

void ItemHost::Install(ItemHost* host)
{
    g_host = host;
}
