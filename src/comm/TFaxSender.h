#pragma once

#include <QString>
#include <QStringList>

// Sends a fax through the fax command of the settings ("Settings"
// "FaxCommand"), by default the fax spooler's "sendfax -n -d %n %f":
// %n stands for the number, %t for the recipient's name and %f for the
// file to send (an argument of its own that is left out without a file).
class TFaxSender
{
public:
    static constexpr const char16_t* kDefaultCommand = u"sendfax -n -d %n %f";

    struct Result
    {
        bool ok = false;
        QString message; // "Unable to send Fax using PROGRAM" and what the command said
    };

    explicit TFaxSender(QString command = QString::fromUtf16(kDefaultCommand));

    // The program and arguments for one fax.
    QStringList CommandFor(const QString& name, const QString& number, const QString& file) const;

    // Runs the command and waits for it (pumping, at most TimeOut seconds).
    Result Send(const QString& name, const QString& number, const QString& file);

    int TimeOut = 60;

private:
    QString m_command;
};
