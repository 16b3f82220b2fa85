#pragma once

#include "exchange/ImportResult.h"

#include <QByteArrayView>
#include <QString>

class TItemTree;

// Reads a nicknames file ("nndbase.txt") into a new folder "Eudora Addresses"
// below the root: an e-mail item per alias, and each note line becomes the
// comment of the alias item of its nickname in that folder (a note for a
// nickname without one changes nothing). EReadError when the file cannot be
// read or is too large; then the tree is untouched.
ImportResult ImportEudora(TItemTree& tree, const QString& path);
// The same on the file's bytes.
ImportResult ImportEudoraBytes(TItemTree& tree, QByteArrayView bytes);
