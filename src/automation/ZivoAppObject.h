#pragma once

#include "automation/TZivoApp.h"

#include <QDBusContext>
#include <QObject>

class AutomationServer;

// One client's object on the bus, at "/ZiVo/Application/<n>": the members of
// TZivoApp in their order, a get/put member as one method name with the put
// taking the new value as its last argument, and "Release". Failures reach
// the client as D-Bus errors.
class ZivoAppObject : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ZiVo.Application")
    Q_CLASSINFO("D-Bus Introspection", ""
"  <interface name=\"ZiVo.Application\">\n"
"    <method name=\"Insert\">\n"
"      <arg name=\"Class\" type=\"i\" direction=\"in\"/>\n"
"      <arg name=\"Title\" type=\"s\" direction=\"in\"/>\n"
"      <arg name=\"Value\" type=\"s\" direction=\"in\"/>\n"
"      <arg name=\"Comment\" type=\"s\" direction=\"in\"/>\n"
"      <arg name=\"Details\" type=\"s\" direction=\"in\"/>\n"
"    </method>\n"
"    <method name=\"CopyClipboard\"/>\n"
"    <method name=\"DoDefaultAction\"/>\n"
"    <method name=\"zivoID\"><arg type=\"i\" direction=\"out\"/></method>\n"
"    <method name=\"zivoClass\"><arg type=\"i\" direction=\"out\"/></method>\n"
"    <method name=\"zivoTitle\"><arg type=\"s\" direction=\"out\"/></method>\n"
"    <method name=\"zivoTitle\"><arg name=\"Title\" type=\"s\" direction=\"in\"/></method>\n"
"    <method name=\"zivoTarget\"><arg type=\"s\" direction=\"out\"/></method>\n"
"    <method name=\"zivoTarget\"><arg name=\"Value\" type=\"s\" direction=\"in\"/></method>\n"
"    <method name=\"zivoComment\"><arg type=\"s\" direction=\"out\"/></method>\n"
"    <method name=\"zivoComment\"><arg name=\"Comment\" type=\"s\" direction=\"in\"/></method>\n"
"    <method name=\"zivoField\">\n"
"      <arg name=\"Name\" type=\"s\" direction=\"in\"/><arg type=\"s\" direction=\"out\"/>\n"
"    </method>\n"
"    <method name=\"zivoField\">\n"
"      <arg name=\"Name\" type=\"s\" direction=\"in\"/><arg name=\"Value\" type=\"s\" direction=\"in\"/>\n"
"    </method>\n"
"    <method name=\"ItemCount\"><arg type=\"i\" direction=\"out\"/></method>\n"
"    <method name=\"Items\">\n"
"      <arg name=\"Index\" type=\"i\" direction=\"in\"/><arg type=\"b\" direction=\"out\"/>\n"
"    </method>\n"
"    <method name=\"CurrentItemIndex\"><arg type=\"i\" direction=\"out\"/></method>\n"
"    <method name=\"NextSiblingIndex\"><arg type=\"i\" direction=\"out\"/></method>\n"
"    <method name=\"ChildCount\"><arg type=\"i\" direction=\"out\"/></method>\n"
"    <method name=\"Child\">\n"
"      <arg name=\"Index\" type=\"i\" direction=\"in\"/><arg type=\"b\" direction=\"out\"/>\n"
"    </method>\n"
"    <method name=\"SelectCount\"><arg type=\"i\" direction=\"out\"/></method>\n"
"    <method name=\"UserSelected\">\n"
"      <arg name=\"Index\" type=\"i\" direction=\"in\"/><arg type=\"b\" direction=\"out\"/>\n"
"    </method>\n"
"    <method name=\"NextItemWithTitle\">\n"
"      <arg name=\"Title\" type=\"s\" direction=\"in\"/><arg type=\"b\" direction=\"out\"/>\n"
"    </method>\n"
"    <method name=\"ItemWithId\">\n"
"      <arg name=\"Id\" type=\"i\" direction=\"in\"/><arg type=\"b\" direction=\"out\"/>\n"
"    </method>\n"
"    <method name=\"Release\"/>\n"
"  </interface>\n")

public:
    ZivoAppObject(AutomationHost& host, AutomationServer& server, const QString& path);

    const QString& Path() const { return m_path; }
    TZivoApp& App() { return m_app; }

public Q_SLOTS:
    Q_SCRIPTABLE void Insert(int classCode, const QString& title, const QString& value, const QString& comment,
                             const QString& details);
    Q_SCRIPTABLE void CopyClipboard();
    Q_SCRIPTABLE void DoDefaultAction();
    Q_SCRIPTABLE int zivoID();
    Q_SCRIPTABLE int zivoClass();
    Q_SCRIPTABLE QString zivoTitle();
    Q_SCRIPTABLE void zivoTitle(const QString& title);
    Q_SCRIPTABLE QString zivoTarget();
    Q_SCRIPTABLE void zivoTarget(const QString& value);
    Q_SCRIPTABLE QString zivoComment();
    Q_SCRIPTABLE void zivoComment(const QString& comment);
    Q_SCRIPTABLE QString zivoField(const QString& name);
    Q_SCRIPTABLE void zivoField(const QString& name, const QString& value);
    Q_SCRIPTABLE int ItemCount();
    Q_SCRIPTABLE bool Items(int index);
    Q_SCRIPTABLE int CurrentItemIndex();
    Q_SCRIPTABLE int NextSiblingIndex();
    Q_SCRIPTABLE int ChildCount();
    Q_SCRIPTABLE bool Child(int index);
    Q_SCRIPTABLE int SelectCount();
    Q_SCRIPTABLE bool UserSelected(int index);
    Q_SCRIPTABLE bool NextItemWithTitle(const QString& title);
    Q_SCRIPTABLE bool ItemWithId(int id);
    Q_SCRIPTABLE void Release();

private:
    // Runs a change, turning its failure into the D-Bus error reply.
    template <typename F> void Guarded(F&& change);

    TZivoApp m_app;
    AutomationServer& m_server;
    QString m_path;
};
