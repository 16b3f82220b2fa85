#include "comm/CallHistory.h"

#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/TextCodec.h"
#include "model/TextRules.h"
#include "model/ZVBObject.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

CallHistory::CallHistory() = default;
CallHistory::~CallHistory() = default;

TZVBObject* CallHistory::Item(int row) const
{
    return row >= 0 && row < Count() ? m_entries[static_cast<size_t>(row)]->Item() : nullptr;
}

QString CallHistory::WhenText(const QDateTime& when)
{
    const QLocale locale;
    // The locale's long time without its time zone.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(u't');
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' + when.time().toString(timeFormat.trimmed());
}

void CallHistory::AddCall(const QString& name, const QString& number, const QDateTime& when, int keep)
{
    ItemHandle handle = CreateItem(ClassCode::Phone, name, number, 0, QString(), nullptr, WhenText(when));
    Insert(0, std::move(handle.ownedRef));
    if (Count() > keep)
        Remove(Count() - 1);
}

void CallHistory::Insert(int row, std::unique_ptr<ItemRef> entry)
{
    row = qBound(0, row, Count());
    m_entries.insert(m_entries.begin() + row, std::move(entry));
}

std::unique_ptr<ItemRef> CallHistory::Take(int row)
{
    if (row < 0 || row >= Count())
        return nullptr;
    auto entry = std::move(m_entries[static_cast<size_t>(row)]);
    m_entries.erase(m_entries.begin() + row);
    return entry;
}

void CallHistory::Remove(int row)
{
    Take(row);
}

void CallHistory::Clear()
{
    m_entries.clear();
}

void CallHistory::Load(const QString& path)
{
    Clear();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileSize)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    ReadRecords(file.readAll());
}

void CallHistory::ReadRecords(QByteArrayView bytes)
{
    TextCodec::LineReader reader(bytes);
    QString line;
    while (reader.Next(line)) {
        // "{" level class "}" then title~~number~~comment~~id.
        if (!line.startsWith(u'{'))
            continue;
        QStringView rest = QStringView(line).sliced(1);
        const TextRules::ScannedInteger level = TextRules::ScanInteger(rest);
        if (!level.ok)
            continue;
        rest = rest.sliced(level.consumed);
        const TextRules::ScannedInteger code = TextRules::ScanInteger(rest);
        if (!code.ok)
            continue;
        rest = rest.sliced(code.consumed);
        const qsizetype brace = rest.indexOf(u'}');
        if (brace < 0 || brace > 1)
            continue;
        const QList<QString> fields = TextRules::SplitFields(rest.sliced(brace + 1));
        if (fields.size() != 4)
            continue;
        QString details;
        reader.Next(details);
        // Only contact points belong in a call list; a container here means
        // the file is not a history.
        const int classCode = code.value;
        if (ClassCode::IsContainer(classCode) || classCode == ClassCode::Root || classCode < 0 || classCode > ClassCode::Tool)
            continue;
        ItemHandle handle = CreateItem(classCode, fields[0], fields[1], 0, details, nullptr, fields[2]);
        if (handle.ownedRef)
            m_entries.push_back(std::move(handle.ownedRef));
    }
}

QString CallHistory::Records() const
{
    QString out;
    for (const auto& entry : m_entries)
        out += entry->Item()->WriteRecord(1) + u"\r\n";
    return out;
}

void CallHistory::Save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(TextCodec::Encode(Records())) < 0 || !file.commit())
        throw EZendrivoError(u"Cannot write " + path + u": " + file.errorString());
}
