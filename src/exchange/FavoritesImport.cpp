#include "exchange/FavoritesImport.h"

#include "exchange/FileIterator.h"
#include "exchange/ImportLimits.h"
#include "exchange/InternetShortcut.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QDir>
#include <QFileInfo>

namespace {
// New nodes take their sorted place when the import's sort batch ends.
TTreeNode* CreateChild(int classCode, TTreeNode* parent, const QString& title, const QString& value = QString())
{
    TTreeNode* node = CreateItem(classCode, title, value, 0, QString(), parent, QString()).node;
    parent->Tree()->SortChildren(parent);
    return node;
}

TTreeNode* FirstNodeTitled(const TItemTree& tree, const QString& title)
{
    for (int i = 0, n = tree.Count(); i < n; ++i) {
        TTreeNode* node = tree.NodeAt(i);
        if (node->Item()->Title() == title)
            return node;
    }
    return nullptr;
}

class FavoritesWalk
{
public:
    FavoritesWalk(TTreeNode* selected, TTreeNode* importFolder)
        : m_tree(*selected->Tree()), m_maxDepth(selected->Level() + 1), m_target(importFolder) {}

    void AddFile(const QString& fileName)
    {
        if (!fileName.endsWith(u".url", Qt::CaseInsensitive))
            return;
        if (m_offered++ >= ImportLimits::kMaxEntries)
            throw EReadError(QStringLiteral("The Favorites folder holds too many shortcuts to import"));
        TIShortCut shortcut;
        shortcut.SetFileName(fileName);
        shortcut.Load();
        if (shortcut.Url().isEmpty()) {
            ++m_withoutUrl;
            return;
        }
        const QString itemName = QFileInfo(fileName).fileName().chopped(4);
        const QString folderName = GetFolderName(fileName);
        if (folderName != m_target->Item()->Title()) {
            if (TTreeNode* existing = FirstNodeTitled(m_tree, folderName)) {
                m_target = existing;
            } else {
                while (m_target->Level() > m_maxDepth && m_target->Parent())
                    m_target = m_target->Parent();
                m_target = CreateChild(ClassCode::Folder, m_target, folderName);
            }
        }
        CreateChild(ClassCode::Website, m_target, itemName, shortcut.Url());
        ++m_count;
    }

    int Count() const { return m_count; }
    int WithoutUrl() const { return m_withoutUrl; }

private:
    TItemTree& m_tree;
    int m_maxDepth;
    TTreeNode* m_target;
    int m_offered = 0;
    int m_count = 0;
    int m_withoutUrl = 0;
};
} // namespace

QString DefaultFavoritesDirectory()
{
    return QDir::homePath();
}

QString GetFolderName(const QString& filePath)
{
    return QFileInfo(QFileInfo(filePath).path()).fileName();
}

ImportResult ImportFavorites(TTreeNode* selected, const QString& directory)
{
    const QFileInfo dir(directory);
    if (!dir.isDir() || !dir.isReadable())
        throw EReadError(QStringLiteral("Cannot read the folder %1").arg(directory));
    const QString root = QDir::cleanPath(dir.absoluteFilePath());
    TItemTree& tree = *selected->Tree();
    const TItemTree::SortBatch batch(tree);

    ImportResult result;
    result.folder = CreateChild(ClassCode::Folder, selected, QFileInfo(root).fileName());
    FavoritesWalk walk(selected, result.folder);
    TFileIterator iterator;
    iterator.SetRootFolder(root);
    iterator.OnAddFile = [&walk](TFileIterator&, const QString& fileName, const TFileInfo&) { walk.AddFile(fileName); };
    iterator.Run();
    result.count = walk.Count();
    const QStringList& skipped = iterator.SkippedFolders();
    if (!skipped.isEmpty())
        result.warnings.append(QStringLiteral("%1 folder(s) could not be read and were left out: %2")
                                   .arg(skipped.size())
                                   .arg(skipped.join(QStringLiteral(", "))));
    if (walk.WithoutUrl() > 0)
        result.warnings.append(QStringLiteral("%1 shortcut(s) without an address were left out").arg(walk.WithoutUrl()));
    return result;
}
