#include "ui/TLogicForm.h"

#include "ui/TMainForm.h"

#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>

TLogicForm::TLogicForm(QObject* parent) : QObject(parent), m_menu(new QMenu)
{
    setObjectName(QStringLiteral("TLogicForm"));
    m_menu->setObjectName(QStringLiteral("TrayPopup"));
    QAction* restore = m_menu->addAction(QStringLiteral("&Restore"), this, &TLogicForm::Restore);
    restore->setObjectName(QStringLiteral("Restore1"));
    m_menu->addSeparator()->setObjectName(QStringLiteral("N1"));
    QAction* exit = m_menu->addAction(QStringLiteral("&Exit"), this, &TLogicForm::ExitRequested);
    exit->setObjectName(QStringLiteral("Exit1"));

    m_tray = new QSystemTrayIcon(QApplication::windowIcon(), this);
    m_tray->setContextMenu(m_menu);
    SetToolTip(QStringLiteral("Click to view main window"));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            Restore();
    });
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_tray->show();
}

TLogicForm::~TLogicForm()
{
    delete m_menu;
}

void TLogicForm::SetMainForm(TMainForm* form)
{
    m_form = form;
    connect(form, &TMainForm::ToolTipPathChanged, this, &TLogicForm::SetToolTip);
    connect(form, &TMainForm::ExitRequested, this, &TLogicForm::ExitRequested);
}

void TLogicForm::SetToolTip(const QString& tip)
{
    m_toolTip = tip;
    m_tray->setToolTip(tip);
}

void TLogicForm::Restore()
{
    if (m_form)
        m_form->ShowMainWindow();
}
