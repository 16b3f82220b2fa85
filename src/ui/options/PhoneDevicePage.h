#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class TDialPhoneDialog;

// The Options page "Phone Device": the dial settings and the caller-ID switch.
class PhoneDevicePage : public QWidget
{
    Q_OBJECT

public:
    explicit PhoneDevicePage(TDialPhoneDialog& dialer, QWidget* parent = nullptr);

    QPushButton* DialSettingsButton() const { return m_dialSettings; }
    QCheckBox* CallerIDCheck() const { return m_callerId; }
    QList<QWidget*> TabChain() const;

private:
    TDialPhoneDialog& m_dialer;
    QPushButton* m_dialSettings;
    QCheckBox* m_callerId;
};
