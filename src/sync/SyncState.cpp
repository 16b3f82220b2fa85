#include "sync/SyncState.h"

#include "model/Exceptions.h"
#include "platform/DataPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString DigestOf(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
}

QHash<QString, const SyncEntry*> FolderSyncState::ByHref() const
{
    QHash<QString, const SyncEntry*> byHref;
    byHref.reserve(static_cast<qsizetype>(entries.size()));
    for (const SyncEntry& entry : entries)
        byHref.insert(entry.href, &entry);
    return byHref;
}

QString SyncState::DefaultPath()
{
    return QDir(DataPaths::DataDirectory()).filePath(u"zivo.sync"_s);
}

SyncState SyncState::Load(const QString& path, QString* warning)
{
    SyncState state;
    auto damaged = [&](const QString& reason) {
        if (warning)
            *warning = u"The sync state \"%1\" is damaged (%2): the next sync compares every card."_s.arg(path, reason);
        return SyncState();
    };
    const QFileInfo info(path);
    if (!info.exists())
        return state;
    if (!info.isFile())
        return damaged(u"not a regular file"_s);
    if (info.size() > kMaxBytes)
        return damaged(u"too large"_s);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return damaged(file.errorString());
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.read(kMaxBytes), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return damaged(error.errorString());
    const QJsonObject folders = document.object().value(u"folders"_s).toObject();
    for (auto it = folders.begin(); it != folders.end(); ++it) {
        bool ok = false;
        const std::int32_t folderId = it.key().toInt(&ok);
        const QJsonObject folder = it.value().toObject();
        if (!ok)
            return damaged(u"a folder without a number"_s);
        FolderSyncState kept;
        kept.url = folder.value(u"url"_s).toString();
        kept.syncToken = folder.value(u"token"_s).toString();
        kept.ctag = folder.value(u"ctag"_s).toString();
        kept.noCtag = folder.value(u"noctag"_s).toBool();
        for (const QJsonValue& value : folder.value(u"entries"_s).toArray()) {
            const QJsonObject o = value.toObject();
            SyncEntry entry{o.value(u"item"_s).toInt(), o.value(u"href"_s).toString(), o.value(u"etag"_s).toString(),
                            o.value(u"uid"_s).toString(), o.value(u"digest"_s).toString(),
                            o.value(u"card"_s).toString()};
            if (entry.itemId == 0 || entry.href.isEmpty())
                return damaged(u"an entry without an item or a card address"_s);
            kept.entries.push_back(std::move(entry));
        }
        state.m_folders[folderId] = std::move(kept);
    }
    return state;
}

void SyncState::Save(const QString& path) const
{
    QJsonObject folders;
    for (const auto& [folderId, kept] : m_folders) {
        QJsonArray entries;
        for (const SyncEntry& entry : kept.entries) {
            entries.append(QJsonObject{{u"item"_s, entry.itemId}, {u"href"_s, entry.href}, {u"etag"_s, entry.etag},
                                       {u"uid"_s, entry.uid}, {u"digest"_s, entry.digest}, {u"card"_s, entry.card}});
        }
        QJsonObject folder{{u"url"_s, kept.url}, {u"token"_s, kept.syncToken}, {u"entries"_s, entries}};
        if (!kept.ctag.isEmpty())
            folder.insert(u"ctag"_s, kept.ctag);
        if (kept.noCtag)
            folder.insert(u"noctag"_s, true);
        folders.insert(QString::number(folderId), folder);
    }
    const QByteArray bytes = QJsonDocument(QJsonObject{{u"folders"_s, folders}}).toJson(QJsonDocument::Compact);
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly))
        error = file.errorString();
    else if (file.write(bytes) != bytes.size())
        error = file.errorString();
    if (!error.isEmpty() || !file.commit()) {
        if (error.isEmpty())
            error = file.errorString();
        file.cancelWriting();
        throw EZendrivoError(u"Unable to write the sync state \"%1\": %2"_s.arg(path, error));
    }
}

FolderSyncState SyncState::ForFolder(std::int32_t folderId, const QString& url) const
{
    const auto it = m_folders.find(folderId);
    if (it == m_folders.end() || it->second.url != url) {
        FolderSyncState fresh;
        fresh.url = url;
        return fresh;
    }
    return it->second;
}

void SyncState::SetFolder(std::int32_t folderId, FolderSyncState state)
{
    FolderSyncState& kept = m_folders[folderId];
    if (kept == state && !kept.url.isEmpty())
        return;
    kept = std::move(state);
    m_changed = true;
}

void SyncState::Forget(std::int32_t folderId)
{
    if (m_folders.erase(folderId) > 0)
        m_changed = true;
}
