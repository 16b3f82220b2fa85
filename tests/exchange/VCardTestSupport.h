#pragma once

#include "exchange/VCardFile.h"
#include "exchange/VCardImport.h"
#include "model/AddressObject.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QDir>
#include <QString>

#include <cstdint>
#include <initializer_list>

// Reads card text into a fresh tree below a folder and keeps it for checks.
struct ImportedCards
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();

    int Import(QByteArrayView bytes, bool organizations = false)
    {
        TVCardFile file;
        file.ReadBytes(bytes);
        return VCardImport::ImportCards(file, root, [organizations](const TCard&) { return organizations; });
    }

    // The container at a depth-first position below the root (0 is the first).
    TZVBObject* Item(int index) const { return tree.NodeAt(index + 1)->Item(); }

    // The first leaf of a class code in a container; null when there is none.
    static TZVBObject* Leaf(const TZVBObject* holder, int code, int nth = 0)
    {
        for (const auto& ref : holder->Contents()) {
            if (ref->Item()->ClassCode() == code && nth-- == 0)
                return ref->Item();
        }
        return nullptr;
    }
    static int LeafCount(const TZVBObject* holder, int code)
    {
        int n = 0;
        for (const auto& ref : holder->Contents())
            n += ref->Item()->ClassCode() == code;
        return n;
    }
};

inline QString CorpusDir()
{
    QString dir = qEnvironmentVariable("ZENDRIVO_CORPUS");
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QStringLiteral("/work/shared/corpus");
    return dir + u"/vcard";
}

// The set of type parameter bits (CardParameter) given.
inline std::uint32_t Bits(std::initializer_list<int> bits)
{
    std::uint32_t set = 0;
    for (int bit : bits)
        set |= 1U << bit;
    return set;
}
