#pragma once

#include "exchange/ImportResult.h"

#include <QString>

class TTreeNode;

// The directory the Favorites import offers first: the user's home directory.
QString DefaultFavoritesDirectory();

// The name of the directory a file lies in (its last path component).
QString GetFolderName(const QString& filePath);

// Imports a directory tree of Internet shortcuts below the selected node: a
// folder named after the directory, then for every ".url" file (any case) a
// website named after the file (without ".url") holding its URL. A shortcut
// goes into the first node of the whole tree named after its own directory,
// else into a new folder of that name created at most one level below the
// import folder. Shortcuts without a URL are skipped. Throws EReadError when
// the directory or a shortcut cannot be read, and ERemoteParent below a
// remote folder; what was created until then stays.
ImportResult ImportFavorites(TTreeNode* selected, const QString& directory);
