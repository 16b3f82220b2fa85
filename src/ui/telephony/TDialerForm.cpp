#include "ui/telephony/TDialerForm.h"

#include "comm/DialString.h"
#include "comm/LineErrors.h"
#include "comm/TDialSettings.h"
#include "comm/TetLine.h"
#include "model/Clock.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

TDialerForm::TDialerForm(const TDialSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_line(new TetLine(this)), m_name(new QLabel), m_number(new QLabel),
      m_duration(new QLabel), m_longDistance(new QCheckBox(QStringLiteral("Dial as long distance number"))),
      m_talk(new QPushButton(QStringLiteral("Talk"))), m_hangup(new QPushButton(QStringLiteral("Hangup"))),
      m_redial(new QPushButton(QStringLiteral("Redial"))), m_status(new QStatusBar), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("TDialerForm"));
    setWindowTitle(QStringLiteral("Dial Phone"));
    m_name->setObjectName(QStringLiteral("NameLabel"));
    m_number->setObjectName(QStringLiteral("NumberLabel"));
    m_duration->setObjectName(QStringLiteral("DurationLabel"));
    m_talk->setObjectName(QStringLiteral("TalkBtn"));
    m_hangup->setObjectName(QStringLiteral("HangupBtn"));
    m_redial->setObjectName(QStringLiteral("RedialBtn"));
    m_longDistance->setObjectName(QStringLiteral("LongDistanceCheck"));
    // Names and numbers are the user's data, shown as they are.
    for (QLabel* label : {m_name, m_number})
        label->setTextFormat(Qt::PlainText);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name:"), m_name);
    fields->addRow(QStringLiteral("Number: "), m_number);
    auto* text = new QLabel(QStringLiteral("Lift the receiver now, then press \"Talk\" to begin your call. When your "
                                           "call is complete, click \"Hangup\" to end the call."));
    text->setWordWrap(true);
    m_duration->setText(QStringLiteral("Duration: 0:00:00"));

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(m_talk, QDialogButtonBox::ActionRole);
    buttons->addButton(m_hangup, QDialogButtonBox::ActionRole);
    buttons->addButton(m_redial, QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_talk, &QPushButton::clicked, this, &TDialerForm::TalkClick);
    connect(m_hangup, &QPushButton::clicked, this, &TDialerForm::HangupClick);
    connect(m_redial, &QPushButton::clicked, this, &TDialerForm::RedialClick);
    m_talk->setDefault(true);

    m_status->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(text);
    layout->addWidget(m_longDistance);
    layout->addWidget(m_duration);
    layout->addWidget(buttons);
    layout->addWidget(m_status);
    m_longDistance->hide();

    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TDialerForm::Tick);
    connect(m_line, &TetLine::OnError, this, &TDialerForm::LineError);
    connect(m_line, &TetLine::OnIdle, this, &TDialerForm::LineIdle);
    SetMessage([this](const QString& message) { QMessageBox::critical(this, windowTitle(), message); });
    resize(380, sizeHint().height());
}

TDialerForm::~TDialerForm() = default;

QString TDialerForm::ErrorText(const QString& lineError)
{
    return u"An error occurred while attempting to dial: " + lineError
        + u". Please verify your dialer settings by selecting the View...Options menu item.";
}

QString TDialerForm::StatusText() const
{
    return m_status->currentMessage();
}

void TDialerForm::Start(const QString& recipient, const QString& number)
{
    m_name->setText(recipient);
    m_number->setText(number);
    const DialString::Plan plan = DialString::Build(m_settings, number);
    m_dialString = plan.dialString;
    m_reduced = plan.reduced;
    m_longDistance->setVisible(plan.longDistanceChoice);
}

void TDialerForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // After the window is up: opening the modem takes a moment.
    QTimer::singleShot(0, this, &TDialerForm::OpenAndDial);
}

void TDialerForm::OpenAndDial()
{
    m_line->SetPulseDialing(m_settings.DialMode == TDialMode::dmPulse);
    if (m_line->DeviceId() != m_settings.DeviceID && !m_line->SetDeviceId(m_settings.DeviceID))
        return;
    if (!m_line->SetActive(true))
        return;
    DialNow();
}

void TDialerForm::DialNow()
{
    m_status->showMessage(u"Dial " + m_dialString);
    m_line->SetPhoneNumber(m_dialString);
    m_line->Dial();
}

void TDialerForm::TalkClick()
{
    // The modem leaves the line; the handset keeps the call.
    m_line->Hangup();
    m_start = Clock::Now();
    m_hangupTime = QDateTime();
    m_talk->setEnabled(false);
    Tick();
    m_timer->start();
}

void TDialerForm::HangupClick()
{
    m_status->showMessage(QStringLiteral("Hanging up..."));
    m_line->Hangup();
    m_hangupTime = Clock::Now();
    m_talk->setEnabled(true);
    m_timer->stop();
}

void TDialerForm::RedialClick()
{
    HangupClick();
    if (!m_longDistance->isHidden() && m_longDistance->isChecked())
        m_dialString = DialString::LongDistance(m_settings, m_reduced);
    if (!m_line->Active() && !m_line->SetActive(true))
        return;
    // The modem dials again once the last call is down.
    if (m_line->HasCall()) {
        m_redialPending = true;
        m_status->showMessage(u"Dial " + m_dialString);
        return;
    }
    DialNow();
}

void TDialerForm::Tick()
{
    const qint64 seconds = qMax<qint64>(0, m_start.secsTo(Clock::Now()));
    m_duration->setText(QStringLiteral("Duration: %1:%2:%3")
                            .arg(seconds / 3600)
                            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                            .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void TDialerForm::LineError()
{
    if (m_line->ErrorNumber() == LineErrors::NotCompliant)
        return;
    m_message(ErrorText(m_line->ErrorText()));
}

void TDialerForm::LineIdle()
{
    m_status->clearMessage();
    if (std::exchange(m_redialPending, false))
        DialNow();
}

void TDialerForm::done(int result)
{
    disconnect(m_line, &TetLine::OnIdle, this, &TDialerForm::LineIdle);
    disconnect(m_line, &TetLine::OnError, this, &TDialerForm::LineError);
    m_timer->stop();
    if (!m_hangupTime.isValid())
        m_line->Hangup();
    // The device goes back for the caller-ID line.
    m_line->SetActive(false);
    QDialog::done(result);
}
