#include "ui/shell/TTrayIcon.h"

#include "ui/common/ImageLists.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TTrayIcon::TTrayIcon(QObject* parent)
    : QObject(parent)
{
}

TTrayIcon::~TTrayIcon()
{
    if (m_tray)
        m_tray->hide();
}

bool TTrayIcon::TrayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QString TTrayIcon::CutToolTip(const QString& text)
{
    if (text.size() <= MaxToolTipLength)
        return text;
    qsizetype length = MaxToolTipLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

// Made only when it is to show: QSystemTrayIcon complains without a tray or an icon.
QSystemTrayIcon* TTrayIcon::Tray()
{
    if (!m_tray && TrayAvailable()) {
        m_tray = new QSystemTrayIcon(this);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                Q_EMIT Click();
                break;
            case QSystemTrayIcon::DoubleClick:
                Q_EMIT DblClick();
                break;
            case QSystemTrayIcon::Context:
                Q_EMIT RightClick(QCursor::pos());
                break;
            default:
                break;
            }
        });
    }
    return m_tray;
}

void TTrayIcon::SetActive(bool active)
{
    m_active = active;
    Update();
}

void TTrayIcon::SetIcon(const QIcon& icon)
{
    m_icon = icon;
    Update();
}

void TTrayIcon::SetToolTip(const QString& text)
{
    m_toolTip = CutToolTip(text);
    Update();
}

QMenu* TTrayIcon::PopupMenu() const
{
    return m_menu;
}

void TTrayIcon::SetPopupMenu(QMenu* menu)
{
    m_menu = menu;
    Update();
}

bool TTrayIcon::IsShown() const
{
    return m_tray && m_tray->isVisible();
}

void TTrayIcon::Update()
{
    if (!m_active) {
        if (m_tray)
            m_tray->hide();
        return;
    }
    QSystemTrayIcon* tray = Tray();
    if (!tray)
        return;
    tray->setIcon(m_icon.isNull() ? ImageLists::AppIcon() : m_icon);
    tray->setToolTip(m_toolTip);
    tray->setContextMenu(m_menu);
    tray->show();
}
