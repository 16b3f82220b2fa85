#include "ui/reports/ReportCommands.h"
#include "ui/common/CommandIcons.h"

#include "ui/panes/FilterController.h"
#include "ui/panes/ItemListPane.h"
#include "ui/panes/PaneHost.h"
#include "ui/reports/TReportForm.h"
#include "ui/reports/TReportPrinter.h"

#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "platform/ProfileFile.h"
#include "reports/ReturnAddress.h"
#include "reports/ReportSheet.h"

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QToolBar>

ReportCommands::ReportCommands(PaneHost& host, QObject* parent)
    : QObject(parent), m_host(host), m_printer(std::make_unique<TReportPrinter>())
{
    m_print = new QAction(CommandIcons::Get(QStringLiteral("document-print")), QStringLiteral("&Print..."), this);
    m_print->setObjectName(QStringLiteral("Print1"));
    m_print->setStatusTip(QStringLiteral("Print lists, address books, labels or an envelope of the selected items"));
    connect(m_print, &QAction::triggered, this, &ReportCommands::PrintCommand);
    m_setup = new QAction(CommandIcons::Get(QStringLiteral("document-page-setup")), QStringLiteral("P&rinter Setup..."),
                          this);
    m_setup->setObjectName(QStringLiteral("PrinterSetup1"));
    m_setup->setStatusTip(QStringLiteral("Choose the paper and its orientation for printing"));
    connect(m_setup, &QAction::triggered, this, &ReportCommands::PrinterSetupCommand);
}

ReportCommands::~ReportCommands() = default;

QPrinter& ReportCommands::Printer() const
{
    return m_printer->Printer();
}

ReportCommands* ReportCommands::Install(PaneHost& host, QMenu* fileMenu, QToolBar* bar)
{
    auto* commands = new ReportCommands(host, host.Window());
    QAction* before = nullptr;
    // Above the closing "Exit" group of the menu.
    const QList<QAction*> actions = fileMenu->actions();
    for (qsizetype i = actions.size() - 1; i >= 0; --i) {
        if (actions[i]->isSeparator()) {
            before = actions[i];
            break;
        }
    }
    fileMenu->insertSeparator(before);
    fileMenu->insertAction(before, commands->m_print);
    fileMenu->insertAction(before, commands->m_setup);
    if (bar) {
        QAction* button = bar->addAction(commands->m_print->icon(), QStringLiteral("Print"));
        button->setObjectName(QStringLiteral("PrintBtn"));
        button->setToolTip(QStringLiteral("Print"));
        button->setStatusTip(commands->m_print->statusTip());
        connect(button, &QAction::triggered, commands->m_print, &QAction::trigger);
    }
    return commands;
}

void ReportCommands::PrintCommand()
{
    TTreeNode* node = m_host.SelectedNode();
    if (!node)
        return;
    TReportContext context;
    context.node = node;
    // The current item: the selected row's in the list, else the node's.
    context.current = node->Item();
    if (m_host.ActivePane() != u"Folders")
        if (TZVBObject* row = m_host.MainItems()->SelectedItem())
            context.current = row;
    FilterController& filters = m_host.Filters();
    context.passes = [&filters](const TZVBObject& item) { return filters.PassesFilter(item); };
    context.profilePath = ProfileFile::Default();
    context.returnAddressPath = ReturnAddress::DefaultPath();
    context.today = QDate::currentDate();
    TReportForm form(context, Printer(), m_host.Window());
    form.exec();
}

void ReportCommands::PrinterSetupCommand()
{
    QPageSetupDialog dialog(&Printer(), m_host.Window());
    dialog.exec();
}
