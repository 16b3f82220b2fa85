#include "model/ItemFactory.h"

#include "model/AddressObject.h"
#include "model/DocObject.h"
#include "model/EMailObject.h"
#include "model/Exceptions.h"
#include "model/FaxObject.h"
#include "model/FolderObject.h"
#include "model/ItemIdGenerator.h"
#include "model/ItemTree.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/PhoneObject.h"
#include "model/RecordIO.h"
#include "model/ReminderObject.h"
#include "model/TeamObject.h"
#include "model/ToolObject.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/WebObject.h"

namespace {
bool g_remoteLoadInProgress = false;

std::unique_ptr<TZVBObject> Construct(int code, const QString& title, const QString& value, std::int32_t id,
                                      const QString& comment)
{
    switch (code) {
    case ClassCode::Folder: return std::make_unique<TFolderObject>(title, value, id, comment);
    case ClassCode::Organization: return std::make_unique<TOrgObject>(title, value, id, comment);
    case ClassCode::Team: return std::make_unique<TTeamObject>(title, value, id, comment);
    case ClassCode::Person: return std::make_unique<TPersonObject>(title, value, id, comment);
    case ClassCode::Website: return std::make_unique<TWebObject>(title, value, id, comment);
    case ClassCode::Address: return std::make_unique<TAddressObject>(title, value, id, comment);
    case ClassCode::Phone: return std::make_unique<TPhoneObject>(title, value, id, comment);
    case ClassCode::EMail: return std::make_unique<TEMailObject>(title, value, id, comment);
    case ClassCode::Fax: return std::make_unique<TFaxObject>(title, value, id, comment);
    case ClassCode::Reminder: return std::make_unique<TReminderObject>(title, value, id, comment);
    case ClassCode::Document: return std::make_unique<TDocObject>(title, value, id, comment);
    case ClassCode::Tool: return std::make_unique<TToolObject>(title, value, id, comment);
    default: return std::make_unique<TZVBObject>(code, title, value, id, comment);
    }
}
} // namespace

TZVBObject* ItemHandle::Item() const
{
    return ref ? ref->Item() : nullptr;
}

bool RemoteLoadInProgress()
{
    return g_remoteLoadInProgress;
}

void SetRemoteLoadInProgress(bool inProgress)
{
    g_remoteLoadInProgress = inProgress;
}

ItemHandle CreateItem(int classCode, const QString& title, const QString& value, std::int32_t id,
                      const QString& details, TTreeNode* parent, const QString& comment, TItemTree* topTree)
{
    classCode &= 0xFF;
    if (parent && !g_remoteLoadInProgress) {
        const TZVBObject* holder = parent->Item();
        if (holder && (holder->IsRemote() || holder->InRemote()))
            throw ERemoteParent();
    }
    if (parent && ClassCode::IsContainer(classCode) && parent->Level() + 1 > RecordIO::kMaxDepth)
        throw EZendrivoError(QStringLiteral("Folders cannot be nested more than %1 levels deep").arg(RecordIO::kMaxDepth));
    if (id == 0) {
        // A new id must not name an item the tree already holds: finding by
        // id, published card names and sync depend on it.
        const TItemTree* tree = parent ? parent->Tree() : topTree;
        ItemIdGenerator& ids = ItemIdGenerator::Shared();
        do
            id = ids.NextId();
        while (id == 0 || (tree && tree->HasId(id)));
        // An import makes items one after another: the next one's look-up
        // then finds its slot in the cache.
        if (tree)
            tree->PrefetchId(ids.PeekId());
    }
    std::unique_ptr<TZVBObject> item = Construct(classCode, title, value, id, comment);
    if (classCode != ClassCode::Root && classCode <= ClassCode::Tool)
        item->ReadDetails(details);
    TZVBObject* raw = item.get();
    auto ref = std::make_unique<ItemRef>(std::move(item));

    ItemHandle handle;
    handle.ref = ref.get();
    if (ClassCode::IsContainer(classCode)) {
        TItemTree* tree = parent ? parent->Tree() : topTree;
        if (!tree) {
            handle.ownedRef = std::move(ref);
            return handle;
        }
        TTreeNode* node = tree->AddNode(parent, std::move(ref));
        node->SetImages(raw->ImageIndex(),
                        classCode == ClassCode::Folder ? raw->SelectedImageIndex() : raw->ImageIndex());
        raw->AttachToNode(node);
        handle.node = node;
        return handle;
    }
    if (classCode == ClassCode::Document)
        static_cast<TDocObject*>(raw)->FetchIcon();
    else if (classCode == ClassCode::Tool)
        static_cast<TToolObject*>(raw)->FetchIcon();
    if (classCode == ClassCode::Root || !parent) {
        handle.ownedRef = std::move(ref);
        return handle;
    }
    AddContent(parent->Item(), std::move(ref));
    raw->AttachToNode(parent);
    return handle;
}
