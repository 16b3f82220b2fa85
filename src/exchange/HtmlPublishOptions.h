#pragma once

#include "exchange/SubtreeWalk.h"

#include <QString>

// What a published site looks like and where it goes. The Publishing
// Wizard's pages and the command line tool both fill it.
struct HtmlPublishOptions
{
    // Index depth: N > 0 lists the items at most N levels below the
    // published item, 0 lists all.
    int levels = 0;
    bool frames = true;
    // The page image; empty for none. Copied beside the pages and named
    // there by its bare file name.
    QString background;
    QString textColor = QStringLiteral("Black");
    QString linkColor = QStringLiteral("Navy");
    bool includeZvd = true;
    bool includeVCard = true;
    // Where the pages go, the main page's file name and the page title.
    QString directory;
    QString mainPage;
    QString title;
    // The category filter for the downloadable exchange file.
    ItemFilter filter;
};
