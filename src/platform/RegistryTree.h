#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <variant>
#include <vector>

// The in-memory form of the registry file and its text format:
//
//   [Software\Brimholt\Dialer\Locations\Home]
//   AreaCode=string:0161
//   Flags=integer:-3
//   Card=binary:00ff10
//
// Keys are written parents first, children in creation order, so reading the
// file back restores the order. "%" followed by two hex digits escapes
// characters that would break the format (line breaks, "%", "=" in value
// names, brackets in key names).
class RegistryTree
{
public:
    using Data = std::variant<QString, qint32, QByteArray>;

    struct Value
    {
        QString name;
        Data data;
    };

    struct Key
    {
        QString name;
        QList<Value> values;
        std::vector<std::unique_ptr<Key>> subKeys;

        Key* SubKey(const QString& subKeyName) const;
        Key& AddSubKey(const QString& subKeyName);
        const Value* FindValue(const QString& valueName) const;
        // Replaces the data of an existing value (keeping its spelling) or appends one.
        void SetValue(const QString& valueName, Data data);
    };

    static QStringList SplitPath(const QString& path);

    // Follows the path from the root; with create, missing keys are added.
    Key* Find(const QStringList& path, bool create = false);

    void Parse(const QList<QString>& lines);
    QList<QString> Lines() const;

    Key& Root() { return m_root; }

private:
    Key m_root;
};
