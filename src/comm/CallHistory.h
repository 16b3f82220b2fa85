#pragma once

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class ItemRef;
class TZVBObject;

// The calls caller ID reported, newest first: each a phone item titled with
// the caller's name, holding the number as reported and, as its comment,
// the date and time of the call. Kept in "callid.dat" in the record format.
class CallHistory
{
public:
    static constexpr int DefaultSize = 50;
    static constexpr int MaxSize = 500;
    // A history file larger than this is not a history file.
    static constexpr qint64 MaxFileSize = 8 * 1024 * 1024;
    static QString DefaultFile() { return QStringLiteral("callid.dat"); }

    CallHistory();
    ~CallHistory();

    int Count() const { return static_cast<int>(m_entries.size()); }
    TZVBObject* Item(int row) const;

    // Inserts the call as the first entry; when that makes more entries than
    // keep, the last one goes (one per call: a lowered size shrinks the list
    // as calls come in).
    void AddCall(const QString& name, const QString& number, const QDateTime& when, int keep);
    void Insert(int row, std::unique_ptr<ItemRef> entry);
    std::unique_ptr<ItemRef> Take(int row);
    void Remove(int row);
    void Clear();

    // Reads the file; a missing or unreadable file gives an empty history,
    // malformed records are skipped.
    void Load(const QString& path);
    // Reads records from a file's bytes, appending.
    void ReadRecords(QByteArrayView bytes);
    // Rewrites the file; throws EZendrivoError when it cannot.
    void Save(const QString& path) const;
    QString Records() const;

    // The short date and the time with seconds of the locale.
    static QString WhenText(const QDateTime& when);

private:
    std::vector<std::unique_ptr<ItemRef>> m_entries;
};
