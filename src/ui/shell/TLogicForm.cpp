#include "ui/shell/TLogicForm.h"

#include "ui/common/ImageLists.h"
#include "ui/shell/MainWindowHost.h"
#include "ui/shell/TMainForm.h"
#include "ui/options/TToolItems.h"
#include "ui/options/ToolsMenu.h"
#include "ui/shell/TTrayIcon.h"
#include "ui/panes/FindController.h"
#include "ui/telephony/TCallerIdForm.h"
#include "platform/ProfileFile.h"
#include "model/ClassCodes.h"

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
    m_callerIdAction = m_menu->addAction(QStringLiteral("&Caller ID"));
    m_callerIdAction->setObjectName(QStringLiteral("CallerID1"));
    m_callerIdAction->setCheckable(true);
    m_menu->addSeparator()->setObjectName(QStringLiteral("N2"));
    QAction* exit = m_menu->addAction(QStringLiteral("&Exit"), this, &TLogicForm::ExitRequested);
    exit->setObjectName(QStringLiteral("Exit1"));

    m_tray = new TTrayIcon(this);
    m_tray->setObjectName(QStringLiteral("TrayIcon"));
    m_tray->SetIcon(ImageLists::AppIcon());
    m_tray->SetPopupMenu(m_menu);
    SetToolTip(QStringLiteral("Click to view main window"));
    connect(m_tray, &TTrayIcon::Click, this, &TLogicForm::Restore);
    m_tray->SetActive(true);

    // The caller-ID window comes next, before the main window; its icon
    // shows while caller ID is on.
    m_callerId = new TCallerIdForm(ProfileFile::Default());
    m_callerIdTray = new TTrayIcon(this);
    m_callerIdTray->setObjectName(QStringLiteral("CallerIdTrayIcon"));
    m_callerIdTray->SetIcon(QIcon::fromTheme(QStringLiteral("call-start"), ImageLists::StandardIcon(ClassCode::Phone)));
    m_callerIdTray->SetToolTip(QStringLiteral("Click to view caller ID window"));
    connect(m_callerIdTray, &TTrayIcon::Click, m_callerId, [this] {
        m_callerId->show();
        m_callerId->raise();
        m_callerId->activateWindow();
    });
    connect(m_callerId, &TCallerIdForm::CallerIdSwitched, this, [this](bool on) {
        m_callerIdTray->SetActive(on);
        m_callerIdAction->setChecked(on);
    });
    // The menu entry turns the switch the other way from its check mark.
    connect(m_callerIdAction, &QAction::triggered, this, [this] { m_callerId->SetCallerId(!m_callerId->CallerIdOn()); });
}

TLogicForm::~TLogicForm()
{
    delete m_callerId;
    delete m_menu;
}

void TLogicForm::SetMainForm(TMainForm* form)
{
    m_form = form;
    ToolsMenu::Keep(*m_toolsMenu, form->Tools());
    connect(form, &TMainForm::ToolTipPathChanged, this, &TLogicForm::SetToolTip);
    connect(form, &TMainForm::ExitRequested, this, &TLogicForm::ExitRequested);
    form->SetCallerIdWindow(m_callerId);
    m_callerId->SetLocator([form](const QString& number) {
        form->ShowMainWindow();
        form->Find().LocatePhone(number);
    });
    form->SetCallerId(ProfileFile(ProfileFile::Default()).ReadBool(QStringLiteral("Settings"), QStringLiteral("CallerId"), false));
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
