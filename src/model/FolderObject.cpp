#include "model/FolderObject.h"

#include "model/Clock.h"
#include "model/Database.h"
#include "model/ItemFactory.h"
#include "model/ItemHost.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"

#include <QFileInfo>

TFolderObject::TFolderObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Folder, title, value, id, comment)
{
    SetRemoteFlag(!Value().isEmpty());
}

void TFolderObject::SetValue(const QString& source)
{
    if (source == Value())
        return;
    StoreValue(source);
    const bool remote = !Value().isEmpty();
    if (remote)
        RemoveEverythingBelow();
    SetRemoteFlag(remote);
    if (TTreeNode* node = Node(); node && node->Item() == this) {
        RefreshInRemote();
        node->SetImages(ImageIndex(), SelectedImageIndex());
    }
}

void TFolderObject::RemoveEverythingBelow()
{
    if (TTreeNode* node = Node(); node && node->Item() == this)
        node->Tree()->DeleteChildren(node);
    ClearContents();
    if (TItemTree* tree = Tree())
        tree->NotifyContentsChanged(this);
}

void TFolderObject::ReadDetails(const QString& line)
{
    ReadTagOnlyDetails(line, u"{Fold}");
}

QString TFolderObject::WriteRecord(int level) const
{
    return TagOnlyRecord(level, u"{Fold}");
}

double TFolderObject::SourceTime() const
{
    if (Value().startsWith(u"http://")) {
        ItemHost* host = ItemHost::Current();
        return host ? host->RemoteLastModified(Value()) : 0.0;
    }
    const QFileInfo info(Value());
    if (!info.isFile() || !info.isReadable())
        return 0.0;
    return Clock::ToDateTimeValue(info.lastModified());
}

void TFolderObject::Refresh()
{
    if (!IsRemote())
        return;
    TTreeNode* node = Node();
    if (!node || node->Item() != this)
        return;
    const double sourceTime = SourceTime();
    if (sourceTime <= m_lastRefresh)
        return;
    RemoveEverythingBelow();
    {
        RemoteLoadScope loading;
        try {
            if (Value().startsWith(u"http://")) {
                const QString local = QStringLiteral("http_import_file.zvd");
                ItemHost* host = ItemHost::Current();
                if (host && host->DownloadRemote(Value(), local))
                    ImportExchangeFile(node, local);
            } else {
                ImportExchangeFile(node, Value());
            }
        } catch (...) {
            // The folder keeps what was read; the next attempt waits for a newer source.
            m_lastRefresh = Clock::ToDateTimeValue(Clock::Now());
            throw;
        }
    }
    m_lastRefresh = Clock::ToDateTimeValue(Clock::Now());
}
