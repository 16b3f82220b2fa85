#pragma once

#include "exchange/ImportResult.h"

#include <QString>

class TItemTree;

// The browser imports. Each reads the whole file first (EReadError when it
// cannot, and then the tree is untouched), then creates a folder named with
// the page's title below the root (the tree's first top node) and fills it:
// a website per bookmark link, an e-mail item per address-book entry. An
// empty caption gives the link or address as the name.
ImportResult ImportNSBook(TItemTree& tree, const QString& path);
ImportResult ImportNSAddr(TItemTree& tree, const QString& path);
