#pragma once

#include "comm/TDialSettings.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// The shared dial dialog: one number to dial with its caption and the name
// shown beside it, and the dial settings it dials with.
class TDialPhoneDialog : public QObject
{
    Q_OBJECT

public:
    explicit TDialPhoneDialog(QObject* parent = nullptr);

    // The program's one instance, its settings loaded on first use.
    static TDialPhoneDialog& Shared();

    QString Title = QStringLiteral("Dial Phone");
    QString PhoneNumber;
    QString Recipient;
    TDialSettings& Settings() { return m_settings; }

    // Shows the dialer for the number, modally; the caller-ID line is let go
    // while it shows and taken back afterwards, whatever happens.
    void Execute(QWidget* parent = nullptr);
    // The dialing properties on a copy of the settings; OK takes the copy
    // over and saves it. True on OK.
    bool ExecuteSettings(QWidget* parent = nullptr);

    // Switches the caller-ID line off and returns a function that restores
    // it; set by the caller-ID window.
    using LineRelease = std::function<std::function<void()>()>;
    static void SetLineRelease(LineRelease release);

private:
    TDialSettings m_settings;
};
