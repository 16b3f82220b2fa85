#pragma once

#include "exchange/HtmlPublishOptions.h"

#include <QString>
#include <QStringList>

#include <vector>

class TTreeNode;
class TZVBObject;

// The pages of a published site, built in memory from a subtree.
namespace HtmlSite {

inline constexpr const char16_t* kIndexPage = u"zivoindex.htm";
inline constexpr const char16_t* kMainFramePage = u"zivomain.htm";
inline constexpr const char16_t* kExchangeFile = u"zivomain.zvd";

struct Page
{
    QString file; // bare file name in the output directory
    QStringList lines;
};

// A person's or organization's card to write beside the pages.
struct CardFile
{
    const TZVBObject* item = nullptr;
    QString file;
};

struct Site
{
    std::vector<Page> pages;
    std::vector<CardFile> cards; // empty without vCard links
};

// The main page alone, or with frames the frameset with its index and main
// pages. Anchors are unique across the site: an item's title, followed by
// its Id when another item already took that title.
Site Build(const TTreeNode& published, const HtmlPublishOptions& options);

} // namespace HtmlSite
