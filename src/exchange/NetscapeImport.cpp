#include "exchange/NetscapeImport.h"

#include "exchange/ImportFile.h"
#include "exchange/ImportLimits.h"
#include "exchange/NetscapePage.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

namespace {
TTreeNode* TopNode(TItemTree& tree)
{
    if (tree.TopCount() == 0)
        throw EZendrivoError(QStringLiteral("The tree has no root to import into"));
    return tree.Top(0);
}

// The folder takes its sorted place when the import's sort batch ends.
TTreeNode* CreateFolder(TTreeNode* parent, const QString& title)
{
    TTreeNode* node = CreateItem(ClassCode::Folder, title, QString(), 0, QString(), parent, QString()).node;
    parent->Tree()->SortChildren(parent);
    return node;
}
} // namespace

ImportResult ImportNSBook(TItemTree& tree, const QString& path)
{
    const BookmarkPage page = ParseBookmarkPage(ReadImportFile(path, ImportLimits::kMaxPageBytes));
    TTreeNode* root = TopNode(tree);
    const TItemTree::SortBatch batch(tree);
    ImportResult result;
    result.folder = CreateFolder(root, page.title);
    for (const AnchorInfo& anchor : page.links) {
        const QString& title = anchor.caption.isEmpty() ? anchor.link : anchor.caption;
        CreateItem(ClassCode::Website, title, anchor.link, 0, QString(), result.folder, QString());
        ++result.count;
    }
    tree.SortChildren(result.folder);
    return result;
}

ImportResult ImportNSAddr(TItemTree& tree, const QString& path)
{
    const AddressPage page = ParseAddressPage(ReadImportFile(path, ImportLimits::kMaxPageBytes));
    TTreeNode* root = TopNode(tree);
    const TItemTree::SortBatch batch(tree);
    ImportResult result;
    result.folder = CreateFolder(root, page.title);
    for (const MailEntry& entry : page.entries) {
        const QString& title = entry.name.isEmpty() ? entry.address : entry.name;
        CreateItem(ClassCode::EMail, title, entry.address, 0, QString(), result.folder, QString());
        ++result.count;
    }
    return result;
}
