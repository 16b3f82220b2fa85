#include "exchange/NicknamesImport.h"

#include "exchange/ImportFile.h"
#include "exchange/ImportLimits.h"
#include "exchange/NicknamesFile.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TextCodec.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QHash>

#include <vector>

ImportResult ImportEudora(TItemTree& tree, const QString& path)
{
    return ImportEudoraBytes(tree, ReadImportFile(path, ImportLimits::kMaxNicknameBytes));
}

ImportResult ImportEudoraBytes(TItemTree& tree, QByteArrayView bytes)
{
    if (bytes.size() > ImportLimits::kMaxNicknameBytes)
        throw EReadError(QStringLiteral("The nicknames file is too large to import"));
    // Parse everything first, so a file that is refused changes nothing.
    std::vector<NicknameLine> parsed;
    for (const QString& line : TextCodec::SplitLines(bytes)) {
        if (std::optional<NicknameLine> entry = ParseNicknameLine(line)) {
            if (static_cast<qsizetype>(parsed.size()) >= ImportLimits::kMaxEntries)
                throw EReadError(QStringLiteral("The nicknames file holds too many entries to import"));
            parsed.push_back(std::move(*entry));
        }
    }
    if (tree.TopCount() == 0)
        throw EZendrivoError(QStringLiteral("The tree has no root to import into"));

    const TItemTree::SortBatch batch(tree);
    ImportResult result;
    result.folder = CreateItem(ClassCode::Folder, QStringLiteral("Eudora Addresses"), QString(), 0, QString(),
                               tree.Top(0), QString())
                        .node;
    tree.SortChildren(tree.Top(0));
    // The new folder holds only what this loop made, so the first alias item
    // of each nickname is what a title search of the folder would find.
    QHash<QString, TZVBObject*> byNickname;
    for (const NicknameLine& entry : parsed) {
        if (entry.kind == NicknameLine::Kind::Alias) {
            TZVBObject* item = CreateItem(ClassCode::EMail, entry.nickname, entry.text, 0, QString(), result.folder,
                                          QString())
                                   .Item();
            if (!byNickname.contains(item->Title()))
                byNickname.insert(item->Title(), item);
            ++result.count;
        } else if (TZVBObject* item = byNickname.value(entry.nickname)) {
            item->SetComment(entry.text);
        }
    }
    return result;
}
