#pragma once

class TTreeNode;

// What an import made: its new folder and the number of items it created.
struct ImportResult
{
    TTreeNode* folder = nullptr;
    int count = 0;
};
