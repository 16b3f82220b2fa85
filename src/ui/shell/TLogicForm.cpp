#include "ui/shell/TLogicForm.h"

#include "ui/common/ImageLists.h"
#include "ui/shell/MainWindowHost.h"
#include "ui/shell/TMainForm.h"
#include "ui/options/TToolItems.h"
#include "ui/options/ToolsMenu.h"
#include "ui/shell/TTrayIcon.h"

#include <QApplication>
#include <QMenu>

TLogicForm::TLogicForm(QObject* parent) : QObject(parent), m_menu(new QMenu)
{
    setObjectName(QStringLiteral("TLogicForm"));
    m_menu->setObjectName(QStringLiteral("TrayPopup"));
    QAction* restore = m_menu->addAction(QStringLiteral("&Restore"), this, &TLogicForm::Restore);
    restore->setObjectName(QStringLiteral("Restore1"));
    m_menu->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_toolsMenu = m_menu->addMenu(QStringLiteral("&Tools"));
    m_toolsMenu->menuAction()->setObjectName(QStringLiteral("Tools1"));
    QAction* getUrl = m_menu->addAction(QStringLiteral("&Get Browser URL"), this, [this] {
        if (m_form)
            m_form->Host().GetBrowserURL();
    });
    getUrl->setObjectName(QStringLiteral("GetBrowserURL1"));
    QAction* exit = m_menu->addAction(QStringLiteral("&Exit"), this, &TLogicForm::ExitRequested);
    exit->setObjectName(QStringLiteral("Exit1"));

    m_tray = new TTrayIcon(this);
    m_tray->setObjectName(QStringLiteral("TrayIcon"));
    m_tray->SetIcon(ImageLists::AppIcon());
    m_tray->SetPopupMenu(m_menu);
    SetToolTip(QStringLiteral("Click to view main window"));
    connect(m_tray, &TTrayIcon::Click, this, &TLogicForm::Restore);
    m_tray->SetActive(true);
}

TLogicForm::~TLogicForm()
{
    delete m_menu;
}

void TLogicForm::SetMainForm(TMainForm* form)
{
    m_form = form;
    ToolsMenu::Keep(*m_toolsMenu, form->Tools());
    connect(form, &TMainForm::ToolTipPathChanged, this, &TLogicForm::SetToolTip);
    connect(form, &TMainForm::ExitRequested, this, &TLogicForm::ExitRequested);
}

void TLogicForm::SetToolTip(const QString& tip)
{
    m_toolTip = TTrayIcon::CutToolTip(tip);
    m_tray->SetToolTip(m_toolTip);
}

void TLogicForm::Restore()
{
    if (m_form)
        m_form->ShowMainWindow();
}
