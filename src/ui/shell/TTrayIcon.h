#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QSystemTrayIcon;

// The program's icon in the notification area: a picture, a tool tip cut to
// 62 characters, a pop-up menu on the right button, and click signals. Where
// the desktop has no notification area the settings are kept and nothing shows.
class TTrayIcon : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(QIcon Icon READ Icon WRITE SetIcon)
    Q_PROPERTY(QString ToolTip READ ToolTip WRITE SetToolTip)

public:
    static constexpr int MaxToolTipLength = 62;

    explicit TTrayIcon(QObject* parent = nullptr);
    ~TTrayIcon() override;

    bool Active() const { return m_active; }
    void SetActive(bool active);

    QIcon Icon() const { return m_icon; }
    void SetIcon(const QIcon& icon);

    QString ToolTip() const { return m_toolTip; }
    void SetToolTip(const QString& text);

    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* menu);

    // Whether an icon actually shows: active and a notification area exists.
    bool IsShown() const;
    static bool TrayAvailable();
    // The first 62 characters, never splitting a surrogate pair.
    static QString CutToolTip(const QString& text);

Q_SIGNALS:
    void Click();
    void DblClick();
    // After the pop-up menu (if any) was shown; at the cursor's screen position.
    void RightClick(const QPoint& position);

private:
    QSystemTrayIcon* Tray();
    void Update();

    bool m_active = false;
    QIcon m_icon;
    QString m_toolTip;
    QPointer<QMenu> m_menu;
    QSystemTrayIcon* m_tray = nullptr;
};
