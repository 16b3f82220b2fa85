#include "model/TreeOps.h"

#include "model/ItemTree.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

int CompareItems(const TZVBObject* a, const TZVBObject* b)
{
    if (!a || !b)
        return 0;
    const bool aFolder = a->ClassCode() == ClassCode::Folder;
    const bool bFolder = b->ClassCode() == ClassCode::Folder;
    if (aFolder != bFolder)
        return aFolder ? -1 : 1;
    return TextRules::CompareWithoutCase(a->Title(), b->Title());
}

void AddContent(TZVBObject* container, std::unique_ptr<ItemRef> ref)
{
    container->AppendContent(std::move(ref));
    if (TItemTree* tree = container->Tree())
        tree->NotifyContentsChanged(container);
}

std::unique_ptr<ItemRef> RemoveContent(TZVBObject* container, const ItemRef* ref)
{
    std::unique_ptr<ItemRef> taken = container->TakeContent(ref);
    if (TItemTree* tree = container->Tree())
        tree->NotifyContentsChanged(container);
    return taken;
}

void DeleteContent(TZVBObject* container, const ItemRef* ref)
{
    std::unique_ptr<ItemRef> taken = container->TakeContent(ref);
    taken.reset();
    if (TItemTree* tree = container->Tree())
        tree->NotifyContentsChanged(container);
}

int ContentCount(const TZVBObject* item)
{
    return item ? static_cast<int>(item->Contents().size()) : 0;
}

ItemRef* ContentAt(const TZVBObject* item, int n)
{
    if (!item || n < 0 || n >= ContentCount(item))
        return nullptr;
    return item->Contents()[static_cast<size_t>(n)].get();
}

void MoveLeaf(TZVBObject* from, const ItemRef* ref, TTreeNode* toNode)
{
    std::unique_ptr<ItemRef> moving = RemoveContent(from, ref);
    if (!moving || !toNode)
        return;
    TZVBObject* item = moving->Item();
    TZVBObject* to = toNode->Item();
    AddContent(to, std::move(moving));
    item->AttachToNode(toNode);
}

ItemRef* FindChild(const TZVBObject* item, const QString& title, int classCode)
{
    if (!item || title.isEmpty())
        return nullptr;
    for (const auto& ref : item->Contents()) {
        if (ref->Item()->ClassCode() == classCode && ref->Item()->Title() == title)
            return ref.get();
    }
    if (TTreeNode* node = item->Node(); node && node->Item() == item) {
        for (const auto& child : node->Children()) {
            if (child->Item()->ClassCode() == classCode && child->Item()->Title() == title)
                return child->Data();
        }
    }
    return nullptr;
}

ItemRef* FindByNumber(const TZVBObject* item, const QString& digits)
{
    if (!item || digits.isEmpty())
        return nullptr;
    for (const auto& ref : item->Contents()) {
        const int code = ref->Item()->ClassCode();
        if ((code == ClassCode::Phone || code == ClassCode::Fax) && TextRules::DigitsOnly(ref->Item()->Value()) == digits)
            return ref.get();
    }
    return nullptr;
}

bool TitleMatchesWord(const QString& title, const QString& lowerText)
{
    if (lowerText.isEmpty())
        return false;
    const qsizetype at = title.indexOf(lowerText, 0, Qt::CaseInsensitive);
    return at == 0 || (at > 0 && title[at - 1] == u' ');
}

ItemRef* FindByWord(const TZVBObject* item, const QString& lowerText)
{
    if (!item)
        return nullptr;
    for (const auto& ref : item->Contents()) {
        if (TitleMatchesWord(ref->Item()->Title(), lowerText))
            return ref.get();
    }
    return nullptr;
}

QStringList ListChildTitles(const TZVBObject* item, int classCode)
{
    QStringList titles;
    if (!item)
        return titles;
    for (const auto& ref : item->Contents()) {
        if (ref->Item()->ClassCode() == classCode)
            titles.append(ref->Item()->Title());
    }
    if (classCode == ClassCode::Website && item->Node() && item->Node()->Item() == item) {
        for (const auto& child : item->Node()->Children()) {
            if (child->Item()->ClassCode() == ClassCode::Website)
                titles.append(child->Item()->Title());
        }
    }
    return titles;
}

void ChangeAncestorsDueCount(TTreeNode* node, int delta)
{
    if (delta == 0)
        return;
    // The root keeps no count and shows no bullet.
    for (; node && node->Parent(); node = node->Parent()) {
        TZVBObject* container = node->Item();
        if (!container)
            continue; // the container itself is going
        container->AddDueCount(delta);
        node->SetStateIndex(container->DueCount() > 0 ? 1 : -1);
    }
}
