#pragma once

#include "ui/shell/IniEntry.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class QObject;

// Saves chosen properties of a window's objects to the settings file and
// restores them at the next start. Objects are found by name: first those
// registered with Register(), then the root itself when its objectName
// matches, then the root's descendants by objectName (names compare without
// regard to case). A found object's direct child of the same name (an
// adapter such as WindowGeometryAdapter) stands for it. Properties are read and written by name through Qt's
// property system, so any property listed in the entries persists without code.
class TIniOut
{
public:
    using ErrorReporter = std::function<void(const QString& caption, const QString& message)>;

    explicit TIniOut(QObject* root = nullptr, QString fileName = {});

    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName) { m_fileName = fileName; }

    const QList<IniEntry>& Items() const { return m_items; }
    void SetItems(const QList<IniEntry>& items) { m_items = items; }
    // Entries in their seven-field text form.
    void SetItems(const QStringList& lines);
    void AddItem(const IniEntry& entry) { m_items.append(entry); }

    // Makes an object known under a name; it wins over the root's objects of the same name.
    void Register(const QString& name, QObject* object);
    QObject* FindComponent(const QString& name) const;

    // Restores every usable entry; a missing file or key gives the entry's default.
    // False (after reporting) when no file name is set.
    bool Load();
    // Writes every usable entry that is not load-only; false when a write failed
    // (the other entries are still written).
    bool Save();

    // Shows "No INI Filename Specified." by default; tests and tools replace it.
    void SetErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }

private:
    bool CheckFileName();

    QPointer<QObject> m_root;
    QString m_fileName;
    QList<IniEntry> m_items;
    QHash<QString, QPointer<QObject>> m_registered; // keys in lower case
    ErrorReporter m_reportError;
};
