#pragma once

#include <QObject>

class QAction;
class QMenu;
class TTrayIcon;
class TMainForm;
class TCallerIdForm;

// The tray host: the icon in the notification area with its menu. It owns
// the program's lifetime; "&Exit" ends it.
class TLogicForm : public QObject
{
    Q_OBJECT

public:
    explicit TLogicForm(QObject* parent = nullptr);
    ~TLogicForm() override;

    void SetMainForm(TMainForm* form);
    QMenu* TrayPopup() const { return m_menu; }
    TTrayIcon* TrayIcon() const { return m_tray; }
    TCallerIdForm* CallerIdWindow() const { return m_callerId; }
    TTrayIcon* CallerIdTrayIcon() const { return m_callerIdTray; }
    QAction* CallerIdAction() const { return m_callerIdAction; }
    QString ToolTip() const { return m_toolTip; }
    void SetToolTip(const QString& tip);

    // "&Restore": shows the main window and makes it active.
    void Restore();

Q_SIGNALS:
    void ExitRequested();

private:
    TMainForm* m_form = nullptr;
    TTrayIcon* m_tray = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_toolsMenu = nullptr;
    QString m_toolTip;
    TCallerIdForm* m_callerId = nullptr;
    TTrayIcon* m_callerIdTray = nullptr;
    QAction* m_callerIdAction = nullptr;
};
