#include "platform/RegistryStore.h"

#include "platform/DataPaths.h"
#include "platform/RegistryTree.h"
#include "platform/TextFileStore.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// Null when the file exists but cannot be read: reads then see nothing and
// changes fail rather than replace a file that was never seen.
std::unique_ptr<RegistryTree> Load(const QString& path)
{
    const auto lines = TextFileStore::ReadLines(path);
    if (!lines)
        return nullptr;
    auto tree = std::make_unique<RegistryTree>();
    tree->Parse(*lines);
    return tree;
}

enum class Change { None, Made, Refused };

bool Modify(const QString& path, const std::function<Change(RegistryTree&)>& change)
{
    const auto tree = Load(path);
    if (!tree)
        return false;
    switch (change(*tree)) {
    case Change::None:
        return true;
    case Change::Made:
        return TextFileStore::WriteLines(path, tree->Lines());
    case Change::Refused:
        break;
    }
    return false;
}

std::optional<RegistryTree::Data> ReadData(const QString& path, const QString& key, const QString& name)
{
    const auto tree = Load(path);
    if (!tree)
        return std::nullopt;
    const RegistryTree::Key* found = tree->Find(RegistryTree::SplitPath(key));
    if (!found)
        return std::nullopt;
    const RegistryTree::Value* value = found->FindValue(name);
    if (!value)
        return std::nullopt;
    return value->data;
}

template<typename T>
std::optional<T> ReadTyped(const QString& path, const QString& key, const QString& name)
{
    auto data = ReadData(path, key, name);
    if (!data || !std::holds_alternative<T>(*data))
        return std::nullopt;
    return std::get<T>(std::move(*data));
}

bool WriteData(const QString& path, const QString& key, const QString& name, RegistryTree::Data data)
{
    return Modify(path, [&](RegistryTree& tree) {
        RegistryTree::Key* target = tree.Find(RegistryTree::SplitPath(key), true);
        const RegistryTree::Value* old = target->FindValue(name);
        if (old && old->data == data)
            return Change::None;
        target->SetValue(name, std::move(data));
        return Change::Made;
    });
}

QStringList Names(const QString& path, const QString& key, bool subKeys)
{
    QStringList names;
    const auto tree = Load(path);
    const RegistryTree::Key* found = tree ? tree->Find(RegistryTree::SplitPath(key)) : nullptr;
    if (!found)
        return names;
    if (subKeys) {
        for (const auto& sub : found->subKeys)
            names.append(sub->name);
    } else {
        for (const RegistryTree::Value& value : found->values)
            names.append(value.name);
    }
    return names;
}

} // namespace

RegistryStore::RegistryStore(QString path)
    : m_path(std::move(path))
{
}

QString RegistryStore::Default()
{
    return DataPaths::ConfigDirectory() + QStringLiteral("/registry.ini");
}

bool RegistryStore::OpenKey(const QString& key, bool create)
{
    if (!create)
        return KeyExists(key);
    return Modify(m_path, [&](RegistryTree& tree) {
        const QStringList path = RegistryTree::SplitPath(key);
        if (tree.Find(path))
            return Change::None;
        tree.Find(path, true);
        return Change::Made;
    });
}

bool RegistryStore::KeyExists(const QString& key) const
{
    const auto tree = Load(m_path);
    return tree && tree->Find(RegistryTree::SplitPath(key));
}

QStringList RegistryStore::EnumerateSubKeys(const QString& key) const
{
    return Names(m_path, key, true);
}

QStringList RegistryStore::EnumerateValues(const QString& key) const
{
    return Names(m_path, key, false);
}

bool RegistryStore::DeleteKey(const QString& key)
{
    QStringList path = RegistryTree::SplitPath(key);
    if (path.isEmpty())
        return false;
    const QString last = path.takeLast();
    return Modify(m_path, [&](RegistryTree& tree) {
        RegistryTree::Key* parent = tree.Find(path);
        if (!parent)
            return Change::Refused;
        auto& subKeys = parent->subKeys;
        const auto found = std::find_if(subKeys.begin(), subKeys.end(), [&](const auto& sub) {
            return sub->name.compare(last, Qt::CaseInsensitive) == 0;
        });
        if (found == subKeys.end())
            return Change::Refused;
        subKeys.erase(found);
        return Change::Made;
    });
}

bool RegistryStore::ValueExists(const QString& key, const QString& name) const
{
    return ReadData(m_path, key, name).has_value();
}

std::optional<RegistryStore::ValueType> RegistryStore::TypeOf(const QString& key, const QString& name) const
{
    const auto data = ReadData(m_path, key, name);
    if (!data)
        return std::nullopt;
    if (std::holds_alternative<QString>(*data))
        return ValueType::String;
    if (std::holds_alternative<qint32>(*data))
        return ValueType::Integer;
    return ValueType::Binary;
}

QString RegistryStore::ReadString(const QString& key, const QString& name, const QString& defaultValue) const
{
    return ReadTyped<QString>(m_path, key, name).value_or(defaultValue);
}

qint32 RegistryStore::ReadInteger(const QString& key, const QString& name, qint32 defaultValue) const
{
    return ReadTyped<qint32>(m_path, key, name).value_or(defaultValue);
}

QByteArray RegistryStore::ReadBinary(const QString& key, const QString& name) const
{
    return ReadTyped<QByteArray>(m_path, key, name).value_or(QByteArray());
}

bool RegistryStore::WriteString(const QString& key, const QString& name, const QString& value)
{
    return WriteData(m_path, key, name, value);
}

bool RegistryStore::WriteInteger(const QString& key, const QString& name, qint32 value)
{
    return WriteData(m_path, key, name, value);
}

bool RegistryStore::WriteBinary(const QString& key, const QString& name, const QByteArray& value)
{
    return WriteData(m_path, key, name, value);
}

bool RegistryStore::DeleteValue(const QString& key, const QString& name)
{
    return Modify(m_path, [&](RegistryTree& tree) {
        RegistryTree::Key* found = tree.Find(RegistryTree::SplitPath(key));
        if (!found)
            return Change::Refused;
        const auto count = found->values.removeIf([&](const RegistryTree::Value& value) {
            return value.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        return count > 0 ? Change::Made : Change::Refused;
    });
}
