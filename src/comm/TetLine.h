#pragma once

#include "comm/ModemCallerIdFields.h"
#include "comm/ModemDirectory.h"
#include "comm/TCallerID.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <cstdint>

class ModemPort;
class QTimer;

// One telephone line: the chosen line device (a modem on a serial port),
// the call on it, caller ID, and the last error. Outgoing calls are dialed
// and hung up here; rings, caller ID and the end of a call come in as
// signals. Everything runs on the event loop of the thread that owns it.
//
// Every wait for the modem has a time-out: a modem that stops answering
// reports LINE_ERROR_DEVICE and the line closes.
class TetLine : public QObject
{
    Q_OBJECT

public:
    enum class CallState { Idle, Offering, Dialing, Connected, Busy, NoDialtone, Disconnected };
    Q_ENUM(CallState)

    // The last events, at most this many lines.
    static constexpr int MaxLogLines = 50;

    // The devices are those of the dial settings' ports and the system's
    // serial ports, read when first needed.
    explicit TetLine(QObject* parent = nullptr);
    ~TetLine() override;

    // Uses these named ports and speed instead of the dial settings' and
    // reads the device list again.
    void SetPorts(const QStringList& namedPorts, int speed);
    // Makes the one port the only device, without asking it first: opening
    // the line finds out soon enough whether a modem answers.
    void UsePort(const QString& path, int speed);

    // Device.
    int DeviceId() const { return m_deviceId; }
    bool SetDeviceId(int id);
    bool Active() const { return m_active; }
    bool SetActive(bool active);
    QString DeviceName();
    int Count();
    QStringList List();
    const QList<LineDeviceInfo>& Devices();

    // Caller ID of the current or last call.
    const TCallerID& CallerID() const { return m_callerId; }
    TCallerID& CallerID() { return m_callerId; }
    // Whether the modem took the command that turns caller ID on.
    bool CallerIdSupported() const { return m_callerIdSupported; }

    // Error.
    std::int32_t ErrorNumber() const { return m_errorNumber; }
    const QString& ErrorText() const { return m_errorText; }
    const QString& ErrorHex() const { return m_errorHex; }
    // What went wrong with the port in words, for the user: "PATH: reason".
    const QString& LastFailure() const { return m_failure; }

    // The dial string of the next call, stored as given.
    const QString& PhoneNumber() const { return m_phoneNumber; }
    void SetPhoneNumber(const QString& number) { m_phoneNumber = number; }
    bool PulseDialing() const { return m_pulse; }
    void SetPulseDialing(bool pulse) { m_pulse = pulse; }

    // True when the request went out (or there was nothing to do).
    bool Dial();
    bool Answer();
    bool Hangup();

    bool HasCall() const { return m_state != CallState::Idle; }
    CallState State() const { return m_state; }
    QDateTime ConnectTime() const { return m_connectTime; }
    QDateTime DisconnectTime() const { return m_disconnectTime; }
    const QStringList& Log() const { return m_log; }

    // Seconds a command may take; an incoming call ends after this many
    // milliseconds without a ring.
    void SetCommandTimeout(int seconds) { m_commandTimeout = seconds; }
    void SetRingGap(int milliseconds);

    static QString StateText(CallState state);

Q_SIGNALS:
    void OnCallerID();
    void OnIdle();
    void OnError();
    void OnRing(int count);
    void CallStateChanged(TetLine::CallState state);

private:
    enum class Pending { None, Dial, Hangup, Answer };

    void ReadDevices();
    bool Open();
    bool Close();
    void SetError(std::int32_t code);
    void AddLog(const QString& text, bool timed = true);
    void SetState(CallState state);
    void BecomeIdle();
    void LineFromModem(const QByteArray& line);
    void FinalResult(const QByteArray& line);
    void FlushCallerId();
    void ModemFailed(const QString& reason);
    void CommandTimedOut();
    void StartPending(Pending pending, int seconds);

    ModemPort* m_port;
    QTimer* m_commandTimer;
    QTimer* m_ringTimer;
    QTimer* m_callerIdTimer;
    QStringList m_namedPorts;
    int m_speed = 115200;
    bool m_portsFromSettings = true;
    bool m_devicesRead = false;
    QList<LineDeviceInfo> m_devices;
    int m_deviceId = 0;
    bool m_active = false;
    QByteArray m_callerIdOff;
    bool m_callerIdSupported = false;
    TCallerID m_callerId;
    ModemCallerIdFields m_fields;
    std::int32_t m_errorNumber = 0;
    QString m_errorText;
    QString m_errorHex;
    QString m_failure;
    QString m_phoneNumber;
    bool m_pulse = false;
    CallState m_state = CallState::Idle;
    Pending m_pending = Pending::None;
    int m_rings = 0;
    int m_commandTimeout = 5;
    QDateTime m_connectTime;
    QDateTime m_disconnectTime;
    QStringList m_log;
};
