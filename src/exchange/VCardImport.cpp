#include "exchange/VCardImport.h"

#include "exchange/VCardFile.h"
#include "model/Card.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace VCardImport {

QString DisplayName(const TCard& card)
{
    const TCardProperty* n = card.Find(u"N");
    if (!n)
        return QStringLiteral("New");
    QString name;
    for (int index : {3, 1, 2}) {
        if (index < n->Values().size())
            name += n->Values()[index] + u' ';
    }
    return name + n->ValueAt(0);
}

namespace {
void ImportCard(TCard& card, TTreeNode* target, const OrganizationQuestion& asOrganization)
{
    const bool organization = card.Find(u"ORG") && asOrganization && asOrganization(card);
    const ItemHandle handle = CreateItem(organization ? ClassCode::Organization : ClassCode::Person, QString(),
                                         QString(), 0, QString(), target, QString());
    handle.Item()->ImportVCard(card);
}
} // namespace

int ImportCards(TVCardFile& file, TTreeNode* target, const OrganizationQuestion& asOrganization)
{
    TItemTree::SortBatch batch(*target->Tree());
    for (int i = 0; i < file.Count(); ++i)
        ImportCard(file.Card(i), target, asOrganization);
    return file.Count();
}

namespace {
// About how many items a card file of so many bytes makes: a card of plain
// fields takes some fifty bytes per item. Cards that carry pictures take
// far more, so this errs high for them, within a cap.
int ExpectedItems(qint64 bytes)
{
    constexpr qint64 kBytesPerItem = 48;
    constexpr qint64 kMostExpected = 1 << 18;
    return static_cast<int>(std::clamp<qint64>(bytes / kBytesPerItem, 0, kMostExpected));
}
} // namespace

int ImportFile(const QString& path, TTreeNode* target, const OrganizationQuestion& asOrganization,
               QStringList* warnings)
{
    TVCardFile file;
    file.Filename = path;
    int count = 0;
    std::optional<EReadError> failure;
    {
        TItemTree::SortBatch batch(*target->Tree());
        target->Tree()->ReserveIds(ExpectedItems(QFileInfo(path).size()));
        try {
            // Each card becomes an item as soon as it is read.
            file.ReadEach([&](TCard& card) {
                ImportCard(card, target, asOrganization);
                ++count;
            });
        } catch (const EReadError& e) {
            failure = e;
        }
    }
    if (warnings)
        warnings->append(file.Warnings());
    if (failure)
        throw *failure;
    return count;
}

} // namespace VCardImport
