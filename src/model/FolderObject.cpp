#include "model/FolderObject.h"

#include "model/Clock.h"
#include "model/Database.h"
#include "model/ItemFactory.h"
#include "model/Exceptions.h"
#include "model/RecordIO.h"
#include "model/RemoteFetcher.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"

#include <QFile>
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
    m_lastRefresh = QDateTime(); // a new source is fetched at the next selection
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

void TFolderObject::WriteRecord(RecordText& out, int level) const
{
    TagOnlyRecord(out, level, u"{Fold}");
}

double TFolderObject::LastRefresh() const
{
    return m_lastRefresh.isValid() ? Clock::ToDateTimeValue(m_lastRefresh.toLocalTime()) : 0.0;
}

bool TFolderObject::IsWebSource(const QString& source)
{
    return source.startsWith(u"http://") || source.startsWith(u"https://");
}

QDateTime TFolderObject::SourceTime() const
{
    if (IsWebSource(Value())) {
        RemoteFetcher* fetcher = RemoteFetcher::Current();
        if (!fetcher)
            throw EReadError(QStringLiteral("Cannot fetch %1: no network access in this program").arg(Value()));
        return fetcher->LastModified(Value());
    }
    const QFileInfo info(Value());
    if (!info.isFile() || !info.isReadable())
        return {};
    return info.lastModified().toUTC();
}

QByteArray TFolderObject::ReadSource() const
{
    if (IsWebSource(Value()))
        return RemoteFetcher::Current()->Fetch(Value());
    const QFileInfo info(Value());
    if (!info.isFile())
        throw EReadError(QStringLiteral("Cannot read %1: not a file").arg(Value()));
    if (info.size() > kMaxSourceSize)
        throw EReadError(QStringLiteral("Cannot read %1: larger than %2 MiB").arg(Value()).arg(kMaxSourceSize >> 20));
    QFile file(Value());
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Cannot read %1: %2").arg(Value(), file.errorString()));
    QByteArray bytes = file.read(kMaxSourceSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw EReadError(QStringLiteral("Cannot read %1: %2").arg(Value(), file.errorString()));
    if (bytes.size() > kMaxSourceSize)
        throw EReadError(QStringLiteral("Cannot read %1: larger than %2 MiB").arg(Value()).arg(kMaxSourceSize >> 20));
    return bytes;
}

void TFolderObject::Refresh()
{
    if (!IsRemote())
        return;
    TTreeNode* node = Node();
    if (!node || node->Item() != this)
        return;
    // Waits for the network run the event loop; a second selection of a
    // remote folder meanwhile must not start a transfer of its own.
    static bool refreshing = false;
    if (refreshing)
        return;
    refreshing = true;
    struct Leave
    {
        ~Leave() { refreshing = false; }
    } leave;

    const QDateTime sourceTime = SourceTime();
    if (!sourceTime.isValid()) {
        // A file that is not there has nothing to give. A web server that
        // names no date is asked once per run of the program.
        if (!IsWebSource(Value()) || m_lastRefresh.isValid())
            return;
    } else if (m_lastRefresh.isValid() && sourceTime <= m_lastRefresh) {
        return;
    }
    // Everything is read before the folder gives up what it holds: a failed
    // download or an error page leaves it as it was.
    const QByteArray bytes = ReadSource();
    const bool records = IsWebSource(Value()) || Value().endsWith(u".zvd", Qt::CaseInsensitive)
        || Value() == QString::fromUtf16(kClipboardFile);
    RemoveEverythingBelow();
    if (records) {
        RemoteLoadScope loading;
        RecordIO::ReadRecords(bytes, 0, node);
    }
    m_lastRefresh = Clock::Now().toUTC();
}
