#include "sync/LocalApply.h"

#include "exchange/VCardParser.h"
#include "model/ClassCodes.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/PersonObject.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"
#include "sync/RemoteSync.h"
#include "exchange/StandardCard.h"

#include <QHash>

#include <algorithm>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

bool IsCardItem(const TZVBObject* item)
{
    return item->ClassCode() == ClassCode::Person || item->ClassCode() == ClassCode::Organization;
}

QString CardOf(const TZVBObject* item)
{
    return StandardCard::Write(*item, QString());
}

// The folder's persons and organizations by their item's number.
QHash<std::int32_t, TTreeNode*> CardItemsOf(TTreeNode* folder)
{
    QHash<std::int32_t, TTreeNode*> nodes;
    nodes.reserve(folder->ChildCount());
    for (const auto& child : folder->Children()) {
        if (IsCardItem(child->Item()))
            nodes.insert(child->Item()->Id(), child.get());
    }
    return nodes;
}

bool ParseCard(const QString& text, TCard& card)
{
    std::vector<TCard> cards;
    const QByteArray bytes = text.toUtf8();
    VCardParser::Parse(bytes, cards);
    if (cards.empty())
        return false;
    card = std::move(cards.front());
    return true;
}

// Gives the item the contents of the card: its name, and its addresses,
// phones, faxes and e-mail addresses in place of the old ones. Reminders,
// documents, notes and other items it holds stay.
void Fill(TZVBObject* item, const QString& text)
{
    TCard card;
    if (!ParseCard(text, card))
        return;
    std::vector<const ItemRef*> old;
    for (const auto& ref : item->Contents()) {
        const int code = ref->Item()->ClassCode();
        if (code == ClassCode::Address || code == ClassCode::Phone || code == ClassCode::Fax
            || code == ClassCode::EMail)
            old.push_back(ref.get());
    }
    for (const ItemRef* ref : old)
        DeleteContent(item, ref);
    if (card.Find(u"URL") && item->Node()) {
        for (const auto& child : item->Node()->Children()) {
            if (child->Item()->ClassCode() == ClassCode::Website) {
                item->Node()->Tree()->DeleteNode(child.get());
                break;
            }
        }
    }
    if (auto* person = dynamic_cast<TPersonObject*>(item))
        person->SetNameParts(QString(), QString(), QString(), QString());
    item->ImportVCard(card);
}

TZVBObject* Create(TTreeNode* folder, const QString& text)
{
    const int code = StandardCard::IsOrganization(text) ? ClassCode::Organization : ClassCode::Person;
    const ItemHandle handle = CreateItem(code, QString(), QString(), 0, QString(), folder, QString());
    Fill(handle.Item(), text);
    return handle.Item();
}

// The contents of a server card as this program would write them back.
QString NormalizedCard(TTreeNode* scratchRoot, const QString& text)
{
    TZVBObject* item = Create(scratchRoot, text);
    const QString card = CardOf(item);
    scratchRoot->Tree()->DeleteNode(item->Node());
    return card;
}

SyncEntry EntryFor(const TZVBObject* item, const ServerCard& card)
{
    const QString uid = StandardCard::UidOf(card.text);
    return {item->Id(), card.href, card.etag, uid, DigestOf(CardOf(item)), card.text};
}

} // namespace

namespace LocalApply {

LocalSnapshot TakeSnapshot(const TTreeNode* folder)
{
    LocalSnapshot snapshot;
    snapshot.folderId = folder->Item()->Id();
    for (const auto& child : folder->Children()) {
        if (!IsCardItem(child->Item()))
            continue;
        const QString card = CardOf(child->Item());
        snapshot.cards.push_back({child->Item()->Id(), card, DigestOf(card)});
    }
    return snapshot;
}

FolderSyncState Apply(TTreeNode* folder, const SyncPlan& plan, const FolderSyncState& before, SyncCounts& counts)
{
    FolderSyncState after;
    after.url = before.url;
    after.syncToken = plan.syncToken;
    after.ctag = plan.ctag;
    after.noCtag = plan.noCtag;
    QHash<std::int32_t, SyncEntry> entries;
    for (const SyncEntry& entry : plan.entries)
        entries.insert(entry.itemId, entry);

    TItemTree scratch;
    TTreeNode* scratchRoot = scratch.CreateRoot();
    TItemTree::SortBatch batch(*folder->Tree());
    QHash<std::int32_t, TTreeNode*> nodeOf = CardItemsOf(folder);

    auto keepConflictCopy = [&](TZVBObject* item) {
        TZVBObject* copy = Create(folder, CardOf(item));
        copy->SetTitle(item->Title() + u" (conflict)"_s);
        ++counts.conflicts;
        ++counts.localCreated;
    };

    for (const SyncPlan::Update& update : plan.updates) {
        TTreeNode* node = nodeOf.value(update.itemId);
        if (!node) {
            TZVBObject* item = Create(folder, update.card.text);
            entries.insert(item->Id(), EntryFor(item, update.card));
            ++counts.localCreated;
            continue;
        }
        TZVBObject* item = node->Item();
        const QString current = CardOf(item);
        const bool changedMeanwhile = DigestOf(current) != update.expectedDigest;
        if (update.bothChanged || changedMeanwhile) {
            if (NormalizedCard(scratchRoot, update.card.text) == current) {
                entries.insert(item->Id(), EntryFor(item, update.card));
                continue;
            }
            keepConflictCopy(item);
        }
        Fill(item, update.card.text);
        entries.insert(item->Id(), EntryFor(item, update.card));
        ++counts.localUpdated;
    }

    for (const SyncPlan::Removal& removal : plan.removals) {
        TTreeNode* node = nodeOf.value(removal.itemId);
        if (!node)
            continue;
        if (DigestOf(CardOf(node->Item())) != removal.expectedDigest)
            continue; // changed meanwhile: it goes up as a new card next time
        nodeOf.remove(removal.itemId);
        folder->Tree()->DeleteNode(node);
        ++counts.localDeleted;
    }

    // Items without a card, by their contents, for pairing new cards.
    QHash<QString, std::int32_t> unpaired;
    for (const auto& child : folder->Children()) {
        TZVBObject* item = child->Item();
        if (IsCardItem(item) && !entries.contains(item->Id()))
            unpaired.insert(CardOf(item), item->Id());
    }
    for (const ServerCard& card : plan.creations) {
        const QString normalized = NormalizedCard(scratchRoot, card.text);
        const auto match = unpaired.constFind(normalized);
        if (match != unpaired.constEnd()) {
            if (TTreeNode* node = nodeOf.value(match.value())) {
                entries.insert(match.value(), EntryFor(node->Item(), card));
                unpaired.erase(match);
                continue;
            }
        }
        TZVBObject* item = Create(folder, card.text);
        entries.insert(item->Id(), EntryFor(item, card));
        ++counts.localCreated;
    }

    QSet<std::int32_t> present;
    for (const auto& child : folder->Children()) {
        if (IsCardItem(child->Item()))
            present.insert(child->Item()->Id());
    }
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (present.contains(it.key()))
            after.entries.push_back(it.value());
    }
    std::sort(after.entries.begin(), after.entries.end(),
              [](const SyncEntry& a, const SyncEntry& b) { return a.href < b.href; });
    return after;
}

} // namespace LocalApply
