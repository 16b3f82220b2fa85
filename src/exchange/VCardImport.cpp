#include "exchange/VCardImport.h"

#include "exchange/VCardFile.h"
#include "model/Card.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

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

int ImportCards(TVCardFile& file, TTreeNode* target, const OrganizationQuestion& asOrganization)
{
    TItemTree::SortBatch batch(*target->Tree());
    int count = 0;
    for (int i = 0; i < file.Count(); ++i) {
        TCard& card = file.Card(i);
        const bool organization = card.Find(u"ORG") && asOrganization && asOrganization(card);
        const ItemHandle handle = CreateItem(organization ? ClassCode::Organization : ClassCode::Person, QString(),
                                             QString(), 0, QString(), target, QString());
        handle.Item()->ImportVCard(card);
        ++count;
    }
    return count;
}

int ImportFile(const QString& path, TTreeNode* target, const OrganizationQuestion& asOrganization,
               QStringList* warnings)
{
    TVCardFile file;
    file.Filename = path;
    std::optional<EReadError> failure;
    try {
        file.Read();
    } catch (const EReadError& e) {
        failure = e;
    }
    if (warnings)
        warnings->append(file.Warnings());
    const int count = ImportCards(file, target, asOrganization);
    if (failure)
        throw *failure;
    return count;
}

} // namespace VCardImport
