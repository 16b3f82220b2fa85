#include "platform/ProfileFile.h"

#include "platform/DataPaths.h"
#include "platform/TextFileStore.h"

#include <optional>
#include <utility>

namespace {

struct Entry
{
    QString key;
    QString value;
};

// Lines after the header up to the next header belong to the section.
struct Range
{
    qsizetype header;
    qsizetype end;
};

std::optional<QString> SectionName(const QString& line)
{
    const QString text = line.trimmed();
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return text.sliced(1, close - 1).trimmed();
}

// Comments, blank lines and lines without a key before "=" are no entries;
// they stay in the file untouched.
std::optional<Entry> ParseEntry(const QString& line)
{
    const QString text = line.trimmed();
    if (text.startsWith(u';'))
        return std::nullopt;
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0)
        return std::nullopt;
    return Entry{text.first(equals).trimmed(), text.sliced(equals + 1).trimmed()};
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<Range> FindSection(const QList<QString>& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !SameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !SectionName(lines[end]))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

qsizetype FindKey(const QList<QString>& lines, Range range, const QString& key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto entry = ParseEntry(lines[i]);
        if (entry && SameName(entry->key, key))
            return i;
    }
    return -1;
}

QList<Entry> SectionEntries(const QString& path, const QString& section)
{
    QList<Entry> entries;
    const auto lines = TextFileStore::ReadLines(path);
    if (!lines)
        return entries;
    const auto range = FindSection(*lines, section.trimmed());
    if (!range)
        return entries;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        if (auto entry = ParseEntry(lines->at(i)))
            entries.append(std::move(*entry));
    }
    return entries;
}

std::optional<QString> Lookup(const QString& path, const QString& section, const QString& key)
{
    const QString wanted = key.trimmed();
    for (const Entry& entry : SectionEntries(path, section)) {
        if (SameName(entry.key, wanted))
            return entry.value;
    }
    return std::nullopt;
}

bool HasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

// Names that would read back as something else are refused.
bool WritableNames(const QString& section, const QString& key)
{
    return !section.isEmpty() && !section.contains(u']') && !HasLineBreak(section) && !key.isEmpty()
        && !key.contains(u'=') && !key.startsWith(u';') && !key.startsWith(u'[') && !HasLineBreak(key);
}

std::optional<int> ParseInteger(const QString& value)
{
    const QString text = value.trimmed();
    bool ok = false;
    int number = 0;
    if (text.startsWith(u'$'))
        number = static_cast<int>(text.sliced(1).toUInt(&ok, 16));
    else if (text.startsWith(u"0x", Qt::CaseInsensitive))
        number = static_cast<int>(text.sliced(2).toUInt(&ok, 16));
    else
        number = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{
}

QString ProfileFile::Default()
{
    return DataPaths::ConfigDirectory() + QStringLiteral("/zvb.ini");
}

QString ProfileFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return Lookup(m_path, section, key).value_or(defaultValue);
}

bool ProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (!WritableNames(sectionName, keyName) || HasLineBreak(value))
        return false;
    auto lines = TextFileStore::ReadLines(m_path);
    if (!lines)
        return false;

    const auto range = FindSection(*lines, sectionName);
    if (!range) {
        lines->append(u'[' + sectionName + u']');
        lines->append(keyName + u'=' + value);
        return TextFileStore::WriteLines(m_path, *lines);
    }
    const qsizetype existing = FindKey(*lines, *range, keyName);
    if (existing >= 0) {
        // Keep the key's spelling as the file has it.
        const QString line = ParseEntry(lines->at(existing))->key + u'=' + value;
        if (lines->at(existing) == line)
            return true;
        (*lines)[existing] = line;
        return TextFileStore::WriteLines(m_path, *lines);
    }
    // A new key goes after the section's last non-blank line, so blank lines
    // separating it from the next section stay where they are.
    qsizetype at = range->end;
    while (at > range->header + 1 && lines->at(at - 1).trimmed().isEmpty())
        --at;
    lines->insert(at, keyName + u'=' + value);
    return TextFileStore::WriteLines(m_path, *lines);
}

int ProfileFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto value = Lookup(m_path, section, key);
    if (!value)
        return defaultValue;
    return ParseInteger(*value).value_or(defaultValue);
}

bool ProfileFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool ProfileFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    const auto value = Lookup(m_path, section, key);
    if (!value)
        return defaultValue;
    return !value->isEmpty() && QStringView(u"1TtYy").contains(value->front());
}

bool ProfileFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList ProfileFile::ReadSections() const
{
    QStringList sections;
    const auto lines = TextFileStore::ReadLines(m_path);
    if (!lines)
        return sections;
    for (const QString& line : *lines) {
        const auto name = SectionName(line);
        if (name && !sections.contains(*name, Qt::CaseInsensitive))
            sections.append(*name);
    }
    return sections;
}

QStringList ProfileFile::ReadSection(const QString& section) const
{
    QStringList keys;
    for (const Entry& entry : SectionEntries(m_path, section))
        keys.append(entry.key);
    return keys;
}

QStringList ProfileFile::ReadSectionValues(const QString& section) const
{
    QStringList values;
    for (const Entry& entry : SectionEntries(m_path, section))
        values.append(entry.key + u'=' + entry.value);
    return values;
}

bool ProfileFile::SectionExists(const QString& section) const
{
    const auto lines = TextFileStore::ReadLines(m_path);
    return lines && FindSection(*lines, section.trimmed()).has_value();
}

bool ProfileFile::ValueExists(const QString& section, const QString& key) const
{
    return Lookup(m_path, section, key).has_value();
}

bool ProfileFile::DeleteKey(const QString& section, const QString& key)
{
    auto lines = TextFileStore::ReadLines(m_path);
    if (!lines)
        return false;
    const auto range = FindSection(*lines, section.trimmed());
    if (!range)
        return true;
    // Every copy of the key goes, or a duplicate would show through afterwards.
    bool changed = false;
    for (qsizetype i = range->end - 1; i > range->header; --i) {
        const auto entry = ParseEntry(lines->at(i));
        if (entry && SameName(entry->key, key.trimmed())) {
            lines->removeAt(i);
            changed = true;
        }
    }
    return !changed || TextFileStore::WriteLines(m_path, *lines);
}

bool ProfileFile::EraseSection(const QString& section)
{
    auto lines = TextFileStore::ReadLines(m_path);
    if (!lines)
        return false;
    bool changed = false;
    while (const auto range = FindSection(*lines, section.trimmed())) {
        lines->remove(range->header, range->end - range->header);
        changed = true;
    }
    return !changed || TextFileStore::WriteLines(m_path, *lines);
}
