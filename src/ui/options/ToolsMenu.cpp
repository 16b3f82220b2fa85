#include "ui/options/ToolsMenu.h"

#include "ui/options/TToolItems.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>

namespace ToolsMenu {

void Fill(QMenu& menu, TToolItems& tools, int keepFirst)
{
    const QList<QAction*> actions = menu.actions();
    for (qsizetype i = keepFirst; i < actions.size(); ++i) {
        menu.removeAction(actions.at(i));
        if (actions.at(i)->parent() == &menu)
            delete actions.at(i);
    }
    for (int i = 0; i < tools.Count(); ++i) {
        const TToolItem& tool = tools.Item(i);
        // Menus show "&" as a mnemonic; a description is plain text.
        QString text = tool.Description;
        text.replace(u'&', QStringLiteral("&&"));
        QAction* action = menu.addAction(tool.Icon(), text);
        action->setObjectName(u"Tool" + QString::number(i));
        action->setStatusTip(tool.Filename);
        // The tray's menu may outlive the list at the end of the program.
        QObject::connect(action, &QAction::triggered, &menu, [&menu, list = QPointer<TToolItems>(&tools), i] {
            if (!list || i >= list->Count())
                return;
            ReportLaunch(menu.parentWidget(), list->Item(i), list->Start(i));
        });
    }
}

void Keep(QMenu& menu, TToolItems& tools, int keepFirst)
{
    Fill(menu, tools, keepFirst);
    QObject::connect(&tools, &TToolItems::Changed, &menu, [&menu, &tools, keepFirst] { Fill(menu, tools, keepFirst); });
}

void ReportLaunch(QWidget* parent, const TToolItem& tool, const LaunchResult& result)
{
    if (result.ok)
        return;
    QMessageBox::warning(parent, QStringLiteral("Tools"),
                         QStringLiteral("The tool \"%1\" could not be started.\n\n%2").arg(tool.Description, result.error));
}

} // namespace ToolsMenu
