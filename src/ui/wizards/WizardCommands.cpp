#include "ui/wizards/WizardCommands.h"

#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "ui/panes/FilterController.h"
#include "ui/panes/PaneHost.h"
#include "ui/wizards/TExportWizard.h"
#include "ui/wizards/TImportWizard.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace WizardCommands {
namespace {

// The wizards' folder lists may move the current directory; the data
// directory must stay current for the database's files.
class KeepCurrentDirectory
{
public:
    KeepCurrentDirectory() : m_directory(QDir::currentPath()) {}
    ~KeepCurrentDirectory() { QDir::setCurrent(m_directory); }
    KeepCurrentDirectory(const KeepCurrentDirectory&) = delete;
    KeepCurrentDirectory& operator=(const KeepCurrentDirectory&) = delete;

private:
    QString m_directory;
};

} // namespace

void Install(QMenu& fileMenu, QAction* before, PaneHost& host)
{
    auto* import = new QAction(QStringLiteral("&Import..."), &fileMenu);
    import->setObjectName(QStringLiteral("ImportBtn"));
    import->setStatusTip(QStringLiteral("Bring in contacts, bookmarks and addresses from other files"));
    QObject::connect(import, &QAction::triggered, &fileMenu, [&host] { Import(host); });
    auto* publish = new QAction(QStringLiteral("P&ublish..."), &fileMenu);
    publish->setObjectName(QStringLiteral("PublishBtn"));
    publish->setStatusTip(QStringLiteral("Write the selected item and everything below it to a file or web pages"));
    QObject::connect(publish, &QAction::triggered, &fileMenu, [&host] { Publish(host); });
    fileMenu.insertAction(before, import);
    fileMenu.insertAction(before, publish);
    fileMenu.insertSeparator(before);
}

void Import(PaneHost& host)
{
    KeepCurrentDirectory keep;
    TTreeNode* selected = host.SelectedNode();
    TImportWizard wizard(selected, host.Window());
    if (wizard.exec() != QDialog::Accepted)
        return;
    host.Tree().SortChildren(selected);
    host.RefreshListPane(host.SelectedNode());
}

void Publish(PaneHost& host)
{
    KeepCurrentDirectory keep;
    FilterController& filters = host.Filters();
    TExportWizard wizard(host.SelectedNode(), [&filters](const TZVBObject& item) { return filters.PassesFilter(item); },
                         host.Window());
    wizard.exec();
}

} // namespace WizardCommands
