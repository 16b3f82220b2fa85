#pragma once

#include <QStringList>

class TTreeNode;

// What an import made: its new folder and the number of items it created,
// and one line for each kind of data it had to leave out, to be shown once
// after the import.
struct ImportResult
{
    TTreeNode* folder = nullptr;
    int count = 0;
    QStringList warnings;
};
