#include "comm/TetLine.h"

#include "comm/LineErrors.h"
#include "comm/ModemDialString.h"
#include "comm/ModemPort.h"
#include "comm/TDialSettings.h"
#include "model/Clock.h"

#include <QTimer>

using namespace Qt::StringLiterals;

TetLine::TetLine(QObject* parent)
    : QObject(parent), m_port(new ModemPort(this)), m_commandTimer(new QTimer(this)), m_ringTimer(new QTimer(this)),
      m_callerIdTimer(new QTimer(this))
{
    m_commandTimer->setSingleShot(true);
    m_ringTimer->setSingleShot(true);
    m_ringTimer->setInterval(8000);
    // Caller ID comes as a burst of lines; a short quiet ends the burst.
    m_callerIdTimer->setSingleShot(true);
    m_callerIdTimer->setInterval(300);
    connect(m_commandTimer, &QTimer::timeout, this, &TetLine::CommandTimedOut);
    connect(m_ringTimer, &QTimer::timeout, this, [this] {
        if (m_state == CallState::Offering)
            BecomeIdle();
    });
    connect(m_callerIdTimer, &QTimer::timeout, this, &TetLine::FlushCallerId);
    connect(m_port, &ModemPort::LineReceived, this, &TetLine::LineFromModem);
    connect(m_port, &ModemPort::Failed, this, &TetLine::ModemFailed);
}

TetLine::~TetLine()
{
    if (m_active)
        Close();
}

void TetLine::SetPorts(const QStringList& namedPorts, int speed)
{
    m_namedPorts = namedPorts;
    m_speed = speed;
    m_portsFromSettings = false;
    m_devicesRead = false;
}

void TetLine::UsePort(const QString& path, int speed)
{
    m_namedPorts = {path};
    m_speed = speed;
    m_portsFromSettings = false;
    m_devices = {LineDeviceInfo {path, path, true, false}};
    m_devicesRead = true;
    m_deviceId = 0;
}

void TetLine::SetRingGap(int milliseconds)
{
    m_ringTimer->setInterval(milliseconds);
}

void TetLine::ReadDevices()
{
    if (m_portsFromSettings) {
        const TDialSettings::ModemSetup setup = TDialSettings::ReadModemSetup();
        m_namedPorts = setup.ports;
        m_speed = setup.speed;
    }
    m_devices = ModemDirectory::Devices(m_namedPorts, m_speed);
    m_devicesRead = true;
}

const QList<LineDeviceInfo>& TetLine::Devices()
{
    if (!m_devicesRead)
        ReadDevices();
    return m_devices;
}

int TetLine::Count()
{
    return static_cast<int>(Devices().size());
}

QStringList TetLine::List()
{
    QStringList names;
    for (const LineDeviceInfo& device : Devices())
        names << ModemDirectory::DisplayName(device);
    return names;
}

QString TetLine::DeviceName()
{
    const auto& devices = Devices();
    return m_deviceId >= 0 && m_deviceId < devices.size() ? ModemDirectory::DisplayName(devices.at(m_deviceId))
                                                          : QString();
}

bool TetLine::SetDeviceId(int id)
{
    AddLog(u"Set Device\tID " + QString::number(id) + u" of " + QString::number(Count()) + u'\t');
    SetError(LineErrors::Ok);
    if (id < 0 || id >= Count()) {
        SetError(LineErrors::BadDeviceId);
        return false;
    }
    if (m_active && !Close())
        return false;
    m_deviceId = id;
    return true;
}

bool TetLine::SetActive(bool active)
{
    if (active == m_active)
        return true;
    AddLog((active ? u"Active"_s : u"Inactive"_s) + u"\tID " + QString::number(m_deviceId) + u" of "
           + QString::number(Count()) + u'\t' + DeviceName());
    return active ? Open() : Close();
}

bool TetLine::Open()
{
    SetError(LineErrors::Ok);
    const auto& devices = Devices();
    if (m_deviceId < 0 || m_deviceId >= devices.size()) {
        SetError(devices.isEmpty() ? LineErrors::NoDevice : LineErrors::BadDeviceId);
        return false;
    }
    const QString path = devices.at(m_deviceId).path;
    QString reason;
    if (!m_port->Open(path, m_speed, &reason)) {
        m_failure = reason;
        AddLog(reason, false);
        SetError(ModemPort::IsOpenHere(path) || reason.contains(u"busy"_s, Qt::CaseInsensitive)
                     ? LineErrors::Allocated
                     : LineErrors::NoDevice);
        return false;
    }
    // Echo off, words for results; then caller ID on, in either dialect.
    if (m_port->Command("ATE0V1", m_commandTimeout) != ModemPort::Result::Ok) {
        // A port that went away has already said so.
        if (m_port->IsOpen()) {
            m_failure = path + u": no modem answers";
            m_port->Close();
            SetError(LineErrors::DeviceError);
        }
        return false;
    }
    m_callerIdSupported = true;
    if (m_port->Command("AT+VCID=1", m_commandTimeout) == ModemPort::Result::Ok)
        m_callerIdOff = "AT+VCID=0";
    else if (m_port->IsOpen() && m_port->Command("AT#CID=1", m_commandTimeout) == ModemPort::Result::Ok)
        m_callerIdOff = "AT#CID=0";
    else {
        m_callerIdOff.clear();
        m_callerIdSupported = false;
        AddLog(QStringLiteral("The modem has no caller ID"), false);
    }
    if (!m_port->IsOpen())
        return false;
    m_active = true;
    return true;
}

bool TetLine::Close()
{
    SetError(LineErrors::Ok);
    if (!m_port->IsOpen()) {
        m_active = false;
        return true;
    }
    m_commandTimer->stop();
    m_pending = Pending::None;
    bool ok = true;
    if (HasCall() && m_state != CallState::Offering) {
        AddLog(QStringLiteral("Hangup"));
        ok = m_port->Command("ATH", m_commandTimeout) == ModemPort::Result::Ok;
    }
    if (ok && !m_callerIdOff.isEmpty() && m_port->IsOpen())
        ok = m_port->Command(m_callerIdOff, m_commandTimeout) == ModemPort::Result::Ok;
    // A modem that does not answer is let go all the same: holding a dead
    // port open helps nobody.
    m_port->Close();
    m_active = false;
    if (HasCall())
        BecomeIdle();
    if (!ok)
        SetError(LineErrors::DeviceError);
    return ok;
}

bool TetLine::Dial()
{
    AddLog(u"Dial [" + m_phoneNumber + u']');
    if (m_phoneNumber.isEmpty())
        return true;
    if (!m_active) {
        SetError(LineErrors::InvalLineHandle);
        return false;
    }
    const QByteArray digits = ModemDialString::FromDialString(m_phoneNumber);
    if (digits.isEmpty()) {
        SetError(LineErrors::InvalAddress);
        return false;
    }
    if (m_pending != Pending::None) {
        SetError(LineErrors::InvalCallState);
        return false;
    }
    // The trailing ";" keeps the modem in command mode: a voice call.
    const QByteArray command = (HasCall() ? QByteArrayLiteral("ATD") : (m_pulse ? QByteArrayLiteral("ATDP") : QByteArrayLiteral("ATDT"))) + digits + ';';
    if (!m_port->Send(command)) {
        ModemFailed(QStringLiteral("cannot write to the modem"));
        return false;
    }
    if (!HasCall()) {
        m_callerId.Clear();
        SetState(CallState::Dialing);
    }
    // Each pause takes two seconds; the network may take half a minute.
    StartPending(Pending::Dial, m_commandTimeout + 30 + 2 * static_cast<int>(digits.count(',')));
    SetError(LineErrors::Ok);
    return true;
}

bool TetLine::Answer()
{
    AddLog(QStringLiteral("Answer"));
    if (m_state != CallState::Offering) {
        SetError(LineErrors::InvalCallState);
        return false;
    }
    // Voice mode off-hook: the handset or the speaker takes the call.
    if (!m_port->Send("ATH1")) {
        ModemFailed(QStringLiteral("cannot write to the modem"));
        return false;
    }
    m_ringTimer->stop();
    StartPending(Pending::Answer, m_commandTimeout);
    return true;
}

bool TetLine::Hangup()
{
    AddLog(QStringLiteral("Hangup"));
    SetError(LineErrors::Ok);
    if (!HasCall())
        return true;
    if (m_state == CallState::Offering) {
        // An unanswered incoming call has nothing to drop.
        BecomeIdle();
        return true;
    }
    // Already on its way down.
    if (m_pending == Pending::Hangup)
        return true;
    if (!m_port->Send("ATH")) {
        ModemFailed(QStringLiteral("cannot write to the modem"));
        return false;
    }
    StartPending(Pending::Hangup, m_commandTimeout);
    return true;
}

void TetLine::StartPending(Pending pending, int seconds)
{
    m_pending = pending;
    m_commandTimer->start(seconds * 1000);
}

void TetLine::CommandTimedOut()
{
    m_failure = m_port->Path() + u": the modem does not answer";
    AddLog(m_failure, false);
    m_pending = Pending::None;
    m_port->Close();
    m_active = false;
    SetError(LineErrors::DeviceError);
    if (HasCall())
        BecomeIdle();
}

void TetLine::ModemFailed(const QString& reason)
{
    m_failure = reason;
    AddLog(reason, false);
    m_commandTimer->stop();
    m_pending = Pending::None;
    m_port->Close();
    m_active = false;
    SetError(LineErrors::DeviceError);
    if (HasCall())
        BecomeIdle();
}

void TetLine::LineFromModem(const QByteArray& line)
{
    ModemPort::Result result;
    if (ModemPort::IsFinalResult(line, &result)) {
        FinalResult(line);
        return;
    }
    if (line == "RING" || line.startsWith("RING ")) {
        FlushCallerId();
        if (m_state == CallState::Idle) {
            m_callerId.Clear();
            m_rings = 0;
            SetState(CallState::Offering);
        }
        if (m_state != CallState::Offering)
            return;
        ++m_rings;
        m_ringTimer->start();
        AddLog(u"OnRing [" + QString::number(m_rings) + u']');
        Q_EMIT OnRing(m_rings);
        return;
    }
    if (m_fields.Feed(line)) {
        // Some networks send caller ID before the first ring.
        if (m_state == CallState::Idle) {
            m_callerId.Clear();
            m_rings = 0;
            SetState(CallState::Offering);
        }
        if (m_state == CallState::Offering)
            m_ringTimer->start();
        m_callerIdTimer->start();
    }
}

void TetLine::FinalResult(const QByteArray& line)
{
    const Pending pending = std::exchange(m_pending, Pending::None);
    m_commandTimer->stop();
    ModemPort::Result result = ModemPort::Result::Ok;
    ModemPort::IsFinalResult(line, &result);
    switch (pending) {
    case Pending::None:
        // A call that ends by itself: the far end hung up or the line dropped.
        if (HasCall() && m_state != CallState::Offering && result != ModemPort::Result::Ok) {
            m_disconnectTime = Clock::Now();
            SetState(CallState::Disconnected);
            BecomeIdle();
        }
        return;
    case Pending::Hangup:
        BecomeIdle();
        return;
    case Pending::Answer:
        if (result == ModemPort::Result::Ok) {
            m_connectTime = Clock::Now();
            SetState(CallState::Connected);
        } else {
            SetError(LineErrors::OperationFailed);
            BecomeIdle();
        }
        return;
    case Pending::Dial:
        break;
    }
    switch (result) {
    case ModemPort::Result::Ok:
    case ModemPort::Result::Connect:
        m_connectTime = Clock::Now();
        SetState(CallState::Connected);
        return;
    case ModemPort::Result::Busy:
        SetState(CallState::Busy);
        break;
    case ModemPort::Result::NoDialtone:
        SetState(CallState::NoDialtone);
        SetError(LineErrors::DialDialtone);
        break;
    case ModemPort::Result::Error:
        SetError(LineErrors::OperationFailed);
        break;
    default:
        break;
    }
    m_disconnectTime = Clock::Now();
    SetState(CallState::Disconnected);
    BecomeIdle();
}

void TetLine::FlushCallerId()
{
    m_callerIdTimer->stop();
    if (!m_fields.Pending())
        return;
    const ModemCallerIdFields::Report report = m_fields.Take();
    const QString oldNumber = m_callerId.Number();
    const QString oldName = m_callerId.Name();
    m_callerId.Parse(report.flags, report.number, report.name);
    if (m_callerId.Number() == oldNumber && m_callerId.Name() == oldName && !oldNumber.isEmpty())
        return;
    AddLog(QStringLiteral("OnCallerID"));
    AddLog(u"Number: " + m_callerId.Number(), false);
    AddLog(u"Name: " + m_callerId.Name(), false);
    Q_EMIT OnCallerID();
}

void TetLine::SetState(CallState state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT CallStateChanged(state);
}

void TetLine::BecomeIdle()
{
    // Caller ID that came just before the end still belongs to the call.
    if (m_state == CallState::Offering)
        FlushCallerId();
    m_ringTimer->stop();
    m_callerIdTimer->stop();
    m_rings = 0;
    m_pending = Pending::None;
    m_commandTimer->stop();
    if (m_state == CallState::Idle)
        return;
    SetState(CallState::Idle);
    AddLog(QStringLiteral("OnIdle"));
    Q_EMIT OnIdle();
}

void TetLine::SetError(std::int32_t code)
{
    m_errorNumber = code;
    m_errorText = LineErrors::Text(code);
    m_errorHex = code == 0 ? QString() : LineErrors::Hex(code);
    if (code == 0)
        return;
    AddLog(u"<< Error >> " + m_errorText + u" [" + m_errorHex + u']');
    Q_EMIT OnError();
}

void TetLine::AddLog(const QString& text, bool timed)
{
    while (m_log.size() >= MaxLogLines)
        m_log.removeFirst();
    if (timed)
        m_log << Clock::Now().toString(QStringLiteral("hh:mm:ss")) + u"  " + text;
    else
        m_log << u'\t' + text;
}

QString TetLine::StateText(CallState state)
{
    switch (state) {
    case CallState::Idle: return QStringLiteral("Idle");
    case CallState::Offering: return QStringLiteral("Offering");
    case CallState::Dialing: return QStringLiteral("Dialing");
    case CallState::Connected: return QStringLiteral("Connected");
    case CallState::Busy: return QStringLiteral("Busy");
    case CallState::NoDialtone: return QStringLiteral("No dial tone");
    case CallState::Disconnected: return QStringLiteral("Disconnected");
    }
    return {};
}
