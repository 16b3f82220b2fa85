#include "ui/shell/TIniOut.h"

#include "platform/ProfileFile.h"
#include "ui/shell/PropertyText.h"

#include <QMessageBox>
#include <QObject>

TIniOut::TIniOut(QObject* root, QString fileName)
    : m_root(root)
    , m_fileName(std::move(fileName))
    , m_reportError([](const QString& caption, const QString& message) {
        QMessageBox::critical(nullptr, caption, message);
    })
{
}

void TIniOut::SetItems(const QStringList& lines)
{
    m_items.clear();
    for (const QString& line : lines)
        m_items.append(IniEntry::Parse(line));
}

void TIniOut::Register(const QString& name, QObject* object)
{
    m_registered.insert(name.toLower(), object);
}

QObject* TIniOut::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    if (const auto it = m_registered.constFind(name.toLower()); it != m_registered.cend() && *it)
        return it->data();
    if (!m_root)
        return nullptr;
    QObject* found = nullptr;
    if (m_root->objectName().compare(name, Qt::CaseInsensitive) == 0) {
        found = m_root.data();
    } else {
        const QList<QObject*> all = m_root->findChildren<QObject*>();
        for (QObject* object : all)
            if (object->objectName().compare(name, Qt::CaseInsensitive) == 0) {
                found = object;
                break;
            }
    }
    // An adapter carries its target's name and lives as the target's child:
    // it stands for the target, whose own properties do not match the entries.
    if (found) {
        const QObjectList children = found->children();
        for (QObject* child : children)
            if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
                return child;
    }
    return found;
}

bool TIniOut::CheckFileName()
{
    if (!m_fileName.isEmpty())
        return true;
    if (m_reportError)
        m_reportError(QStringLiteral("IniOut Property Manager"), QStringLiteral("No INI Filename Specified."));
    return false;
}

bool TIniOut::Load()
{
    if (!CheckFileName())
        return false;
    const ProfileFile file(m_fileName);
    const PropertyText::ObjectLookup lookup = [this](const QString& name) { return FindComponent(name); };
    for (const IniEntry& entry : std::as_const(m_items)) {
        if (!entry.IsUsable())
            continue;
        QObject* object = FindComponent(entry.component);
        const QMetaProperty property = PropertyText::Find(object, entry.property);
        if (!property.isValid())
            continue;
        // A value that does not convert leaves the property as it is.
        PropertyText::Write(object, property, file.ReadString(entry.section, entry.key, entry.defaultValue), lookup);
    }
    return true;
}

bool TIniOut::Save()
{
    if (!CheckFileName())
        return false;
    ProfileFile file(m_fileName);
    bool written = true;
    for (const IniEntry& entry : std::as_const(m_items)) {
        if (!entry.IsUsable() || entry.loadOnly)
            continue;
        const QObject* object = FindComponent(entry.component);
        const QMetaProperty property = PropertyText::Find(object, entry.property);
        if (!property.isValid())
            continue;
        if (const auto text = PropertyText::Read(object, property))
            written = file.WriteString(entry.section, entry.key, *text) && written;
    }
    return written;
}
