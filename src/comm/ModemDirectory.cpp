#include "comm/ModemDirectory.h"

#include "comm/ModemPort.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace ModemDirectory {

namespace {

// Built-in serial ports exist as device files whether or not a UART sits
// behind them; only ports with hardware are worth asking.
bool HasUart(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    serial_struct serial {};
    const bool present = ::ioctl(fd, TIOCGSERIAL, &serial) == 0 && serial.type != PORT_UNKNOWN;
    ::close(fd);
    return present;
}

QStringList Found(const QString& pattern, bool needUart)
{
    QStringList paths;
    const QFileInfoList entries = QDir(QStringLiteral("/dev")).entryInfoList({pattern}, QDir::System | QDir::Files);
    for (const QFileInfo& entry : entries) {
        if (!needUart || HasUart(entry.filePath()))
            paths << entry.filePath();
    }
    // ttyS2 before ttyS10.
    std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return paths;
}

// What the modem's identification commands say, as printable text.
QString Printable(const QByteArray& line)
{
    QString text;
    for (char c : line.left(60)) {
        if (c >= 0x20 && c < 0x7f)
            text += QLatin1Char(c);
    }
    return text.trimmed();
}

QString Ask(ModemPort& port, const QByteArray& command, int timeoutSeconds)
{
    QList<QByteArray> lines;
    if (port.Command(command, timeoutSeconds, &lines) != ModemPort::Result::Ok)
        return {};
    for (const QByteArray& line : lines) {
        const QString text = Printable(line);
        if (!text.isEmpty())
            return text;
    }
    return {};
}

struct Cache
{
    bool valid = false;
    QStringList namedPorts;
    QList<LineDeviceInfo> devices;
    QHash<QString, LineDeviceInfo> known;
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

} // namespace

QStringList CandidatePorts(const QStringList& namedPorts)
{
    QStringList ports;
    const auto add = [&ports](const QString& path) {
        if (!path.isEmpty() && !ports.contains(path))
            ports << path;
    };
    for (const QString& path : namedPorts)
        add(path.trimmed());
    for (const QString& path : Found(QStringLiteral("ttyACM*"), false))
        add(path);
    for (const QString& path : Found(QStringLiteral("ttyUSB*"), false))
        add(path);
    for (const QString& path : Found(QStringLiteral("ttyS*"), true))
        add(path);
    return ports;
}

LineDeviceInfo Probe(const QString& path, int speed, int timeoutSeconds)
{
    LineDeviceInfo info {path, path, false, false};
    ModemPort port;
    if (!port.Open(path, speed, nullptr))
        return info;
    // Echo off and verbal results, so the replies read as lines of words.
    // A modem that knows no V1 still answers a bare AT; one that is silent
    // gets no second chance.
    const ModemPort::Result first = port.Command("ATE0V1", timeoutSeconds);
    if (first != ModemPort::Result::Ok
        && (first != ModemPort::Result::Error || port.Command("AT", timeoutSeconds) != ModemPort::Result::Ok))
        return info;
    info.available = true;
    const QString maker = Ask(port, "AT+FMI", timeoutSeconds);
    const QString model = Ask(port, "AT+FMM", timeoutSeconds);
    if (!maker.isEmpty() || !model.isEmpty())
        info.name = QString(maker + u' ' + model).trimmed();
    else if (const QString id = Ask(port, "ATI", timeoutSeconds); !id.isEmpty())
        info.name = id;
    else
        info.name = QStringLiteral("Modem");
    return info;
}

const QList<LineDeviceInfo>& Devices(const QStringList& namedPorts, int speed)
{
    Cache& cache = TheCache();
    if (cache.valid && cache.namedPorts == namedPorts)
        return cache.devices;
    QList<LineDeviceInfo> devices;
    for (const QString& path : CandidatePorts(namedPorts)) {
        if (ModemPort::IsOpenHere(path)) {
            // Asking now would talk into a line in use.
            LineDeviceInfo held = cache.known.value(path, LineDeviceInfo {path, path, true, false});
            held.inUse = true;
            devices << held;
            continue;
        }
        const int timeout = namedPorts.contains(path) ? NamedPortTimeout : FoundPortTimeout;
        LineDeviceInfo info = Probe(path, speed, timeout);
        cache.known.insert(path, info);
        devices << info;
    }
    cache.devices = devices;
    cache.namedPorts = namedPorts;
    cache.valid = true;
    return cache.devices;
}

void Refresh()
{
    TheCache().valid = false;
}

QString DisplayName(const LineDeviceInfo& device)
{
    if (!device.available)
        return device.path + u" (unavailable)";
    return device.name + u" (" + device.path + u')';
}

} // namespace ModemDirectory
