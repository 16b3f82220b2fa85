#include "automation/ZivoAppObject.h"

#include "automation/AutomationError.h"
#include "automation/AutomationNames.h"
#include "automation/AutomationServer.h"

ZivoAppObject::ZivoAppObject(AutomationHost& host, AutomationServer& server, const QString& path)
    : m_app(host), m_server(server), m_path(path)
{
}

template <typename F>
void ZivoAppObject::Guarded(F&& change)
{
    try {
        change();
    } catch (const EAutomationError& e) {
        sendErrorReply(e.ErrorName(), e.Message());
    } catch (const ERemoteParent& e) {
        sendErrorReply(AutomationNames::ErrorReadOnlyFolder(), e.Message());
    } catch (const EZendrivoError& e) {
        sendErrorReply(AutomationNames::ErrorFailed(), e.Message());
    }
}

void ZivoAppObject::Insert(int classCode, const QString& title, const QString& value, const QString& comment,
                           const QString& details)
{
    Guarded([&] { m_app.Insert(classCode, title, value, comment, details); });
}

void ZivoAppObject::CopyClipboard()
{
    Guarded([&] { m_app.CopyClipboard(); });
}

void ZivoAppObject::DoDefaultAction()
{
    Guarded([&] { m_app.DoDefaultAction(); });
}

int ZivoAppObject::zivoID()
{
    return m_app.zivoID();
}

int ZivoAppObject::zivoClass()
{
    return m_app.zivoClass();
}

QString ZivoAppObject::zivoTitle()
{
    return m_app.zivoTitle();
}

void ZivoAppObject::zivoTitle(const QString& title)
{
    Guarded([&] { m_app.SetzivoTitle(title); });
}

QString ZivoAppObject::zivoTarget()
{
    return m_app.zivoTarget();
}

void ZivoAppObject::zivoTarget(const QString& value)
{
    Guarded([&] { m_app.SetzivoTarget(value); });
}

QString ZivoAppObject::zivoComment()
{
    return m_app.zivoComment();
}

void ZivoAppObject::zivoComment(const QString& comment)
{
    Guarded([&] { m_app.SetzivoComment(comment); });
}

QString ZivoAppObject::zivoField(const QString& name)
{
    return m_app.zivoField(name);
}

void ZivoAppObject::zivoField(const QString& name, const QString& value)
{
    Guarded([&] { m_app.SetzivoField(name, value); });
}

int ZivoAppObject::ItemCount()
{
    return m_app.ItemCount();
}

bool ZivoAppObject::Items(int index)
{
    return m_app.Items(index);
}

int ZivoAppObject::CurrentItemIndex()
{
    return m_app.CurrentItemIndex();
}

int ZivoAppObject::NextSiblingIndex()
{
    return m_app.NextSiblingIndex();
}

int ZivoAppObject::ChildCount()
{
    return m_app.ChildCount();
}

bool ZivoAppObject::Child(int index)
{
    return m_app.Child(index);
}

int ZivoAppObject::SelectCount()
{
    return m_app.SelectCount();
}

bool ZivoAppObject::UserSelected(int index)
{
    return m_app.UserSelected(index);
}

bool ZivoAppObject::NextItemWithTitle(const QString& title)
{
    return m_app.NextItemWithTitle(title);
}

bool ZivoAppObject::ItemWithId(int id)
{
    return m_app.ItemWithId(id);
}

void ZivoAppObject::Release()
{
    m_server.Release(this);
}
