#pragma once

#include "automation/AutomationHost.h"
#include "automation/AutomationSwitches.h"

#include <QDBusConnection>
#include <QObject>

#include <memory>
#include <optional>

class AutomationServer;
class TMainForm;

// The automation service of the desktop program: serves the objects over
// the main window's tree, panes and find, and ends the program after the
// last object goes when it was started for a client.
class MainFormAutomation : public QObject, public AutomationHost
{
    Q_OBJECT

public:
    MainFormAutomation(TMainForm& form, AutomationStart start,
                       const QDBusConnection& connection = QDBusConnection::sessionBus());
    ~MainFormAutomation() override;

    // "-REGSERVER" and "-UNREGSERVER" do their work and end the program
    // with the returned exit code; any other start gives nothing.
    static std::optional<int> Register(AutomationStart start);

    AutomationServer& Server() const { return *m_server; }

    // AutomationHost
    TItemTree& Tree() override;
    QString ActivePane() const override;
    TTreeNode* SelectedNode() const override;
    QList<TZVBObject*> SelectedItems() const override;
    bool FindTitle(const QString& text) override;
    void SetClipboardText(const QString& text) override;
    void ShowChanges() override;

Q_SIGNALS:
    void QuitRequested();

private:
    TMainForm& m_form;
    std::unique_ptr<AutomationServer> m_server;
};
