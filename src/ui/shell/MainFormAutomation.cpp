#include "ui/shell/MainFormAutomation.h"

#include "automation/ActivationFile.h"
#include "automation/AutomationServer.h"
#include "model/TreeNode.h"
#include "ui/panes/FindController.h"
#include "ui/panes/ItemListPane.h"
#include "ui/shell/TMainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QTreeView>

#include <cstdio>

namespace {
void Complain(const QString& message)
{
    std::fprintf(stderr, "zendrivo: %s\n", qPrintable(message));
}
} // namespace

MainFormAutomation::MainFormAutomation(TMainForm& form, AutomationStart start, const QDBusConnection& connection)
    : m_form(form), m_server(std::make_unique<AutomationServer>(*this, connection))
{
    QString error;
    // Every start keeps the activation file pointing at this program.
    if (start != AutomationStart::UnregServer
        && !ActivationFile::Write(QCoreApplication::applicationFilePath(), &error))
        Complain(error);
    if (!m_server->Start(&error))
        Complain(QStringLiteral("the automation interface is off: %1").arg(error));
    if (AutomationSwitches::QuitsAfterLastRelease(start))
        connect(m_server.get(), &AutomationServer::LastReleased, this, &MainFormAutomation::QuitRequested);
}

MainFormAutomation::~MainFormAutomation() = default;

std::optional<int> MainFormAutomation::Register(AutomationStart start)
{
    QString error;
    if (start == AutomationStart::RegServer) {
        if (ActivationFile::Write(QCoreApplication::applicationFilePath(), &error))
            return 0;
    } else if (start == AutomationStart::UnregServer) {
        if (ActivationFile::Remove(&error))
            return 0;
    } else {
        return std::nullopt;
    }
    Complain(error);
    return 1;
}

TItemTree& MainFormAutomation::Tree()
{
    return m_form.Tree();
}

QString MainFormAutomation::ActivePane() const
{
    return m_form.ActivePane();
}

TTreeNode* MainFormAutomation::SelectedNode() const
{
    return m_form.SelectedNode();
}

QList<TZVBObject*> MainFormAutomation::SelectedItems() const
{
    return m_form.MainItems()->SelectedItems();
}

bool MainFormAutomation::FindTitle(const QString& text)
{
    return m_form.Find().Locate(text);
}

void MainFormAutomation::SetClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

void MainFormAutomation::ShowChanges()
{
    // The panes' models follow the tree's own notices; refilling the list
    // here would drop the user's selection and refresh a remote folder.
    m_form.Folders()->viewport()->update();
    m_form.MainItems()->CurrentView()->viewport()->update();
}
