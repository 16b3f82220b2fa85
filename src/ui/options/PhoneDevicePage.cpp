#include "ui/options/PhoneDevicePage.h"

#include "ui/telephony/TDialPhoneDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PhoneDevicePage::PhoneDevicePage(TDialPhoneDialog& dialer, QWidget* parent)
    : QWidget(parent), m_dialer(dialer), m_dialSettings(new QPushButton(QStringLiteral("Dial Settings..."))),
      m_callerId(new QCheckBox(QStringLiteral("Enable Caller ID")))
{
    setObjectName(QStringLiteral("PhoneDevicePage"));
    m_dialSettings->setObjectName(QStringLiteral("DialSettingsBtn"));
    m_callerId->setObjectName(QStringLiteral("CallerIDCheck"));

    auto* dialerGroup = new QGroupBox(QStringLiteral("Telephone Dialer"));
    auto* dialerRow = new QHBoxLayout(dialerGroup);
    dialerRow->addWidget(m_dialSettings);
    dialerRow->addStretch();

    auto* callerGroup = new QGroupBox(QStringLiteral("Caller ID"));
    auto* callerLayout = new QVBoxLayout(callerGroup);
    auto* notice = new QLabel(QStringLiteral("To use this feature, you must have Caller ID service on your phone line, "
                                             "and a Caller ID compatible modem attached to your computer."));
    notice->setWordWrap(true);
    callerLayout->addWidget(notice);
    callerLayout->addWidget(m_callerId);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialerGroup);
    layout->addWidget(callerGroup);
    layout->addStretch();
    connect(m_dialSettings, &QPushButton::clicked, this, [this] { m_dialer.ExecuteSettings(this); });
}

QList<QWidget*> PhoneDevicePage::TabChain() const
{
    return {m_dialSettings, m_callerId};
}
