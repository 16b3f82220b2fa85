#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The user's hierarchical key store: keys named by paths with "\" between
// their parts ("Software\Brimholt\Dialer\Locations\Home"), each holding typed
// values and subkeys. Key and value names compare without case and keep the
// spelling they were created with; subkeys and values keep creation order.
//
// Everything lives in one text file that is read on every access and
// replaced atomically on every change, so several stores on the same file
// agree. A change that cannot be saved returns false and leaves the file as
// it was. An empty path names the root, which holds the top-level keys.
class RegistryStore
{
public:
    enum class ValueType { String, Integer, Binary };

    explicit RegistryStore(QString path = Default());

    // "registry.ini" in the configuration directory.
    static QString Default();

    const QString& Path() const { return m_path; }

    // True when the key exists afterwards; with create, missing keys on the
    // path are created.
    bool OpenKey(const QString& key, bool create);
    bool KeyExists(const QString& key) const;
    // Names of the direct subkeys, in creation order.
    QStringList EnumerateSubKeys(const QString& key) const;
    // Names of the key's values, in creation order.
    QStringList EnumerateValues(const QString& key) const;
    // Removes the key with all its subkeys; false when it does not exist.
    bool DeleteKey(const QString& key);

    bool ValueExists(const QString& key, const QString& name) const;
    std::optional<ValueType> TypeOf(const QString& key, const QString& name) const;

    // A missing value or one of another type gives the default.
    QString ReadString(const QString& key, const QString& name, const QString& defaultValue = {}) const;
    qint32 ReadInteger(const QString& key, const QString& name, qint32 defaultValue = 0) const;
    QByteArray ReadBinary(const QString& key, const QString& name) const;

    // Writing creates the key when missing and replaces a value of any type.
    bool WriteString(const QString& key, const QString& name, const QString& value);
    bool WriteInteger(const QString& key, const QString& name, qint32 value);
    bool WriteBinary(const QString& key, const QString& name, const QByteArray& value);

    // False when the value does not exist.
    bool DeleteValue(const QString& key, const QString& name);

private:
    QString m_path;
};
