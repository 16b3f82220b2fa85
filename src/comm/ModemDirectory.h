#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A line device: a serial port that may hold a modem.
struct LineDeviceInfo
{
    QString path;
    QString name;            // what the modem calls itself, else the path
    bool available = false;  // it answered "AT" with "OK"
    bool inUse = false;      // another line of this program holds it
};

// The line devices: the ports named in the settings first, then the serial
// ports the system has (USB modems, then the built-in ports). Every port
// stays in the list whether or not a modem answers on it, so an index
// chosen once keeps naming the same port.
namespace ModemDirectory {

// Seconds a named port has to answer; ports found by looking around get less.
inline constexpr int NamedPortTimeout = 5;
inline constexpr int FoundPortTimeout = 2;

// The ports to look at, in list order, without duplicates.
QStringList CandidatePorts(const QStringList& namedPorts);

// Asks the port's modem who it is.
LineDeviceInfo Probe(const QString& path, int speed, int timeoutSeconds);

// The devices of the process, probed once per set of named ports; a port
// that a line holds open keeps the answer it gave before.
const QList<LineDeviceInfo>& Devices(const QStringList& namedPorts, int speed);
// Forgets the probed answers; the next Devices() asks again.
void Refresh();

// "name (path)" or "path (unavailable)", for lists.
QString DisplayName(const LineDeviceInfo& device);

} // namespace ModemDirectory
