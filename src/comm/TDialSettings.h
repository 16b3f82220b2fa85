#pragma once

#include <QString>
#include <QStringList>

class RegistryStore;

enum class TDialMode { dmTone = 0, dmPulse = 1 };

// Where the user dials from and how: the line device, the current
// location's area code and outside-line prefixes, tone or pulse, and the
// calling card. Kept in the registry below RegistryPath, one subkey per
// location.
class TDialSettings
{
public:
    static QString DefaultRegistryPath() { return QStringLiteral("Software\\Brimholt\\Dialer"); }
    static QString DefaultLocation() { return QStringLiteral("Default Location"); }

    // The store defaults to the user's own.
    explicit TDialSettings(RegistryStore* store = nullptr);

    void Assign(const TDialSettings& other);

    QString RegistryPath;
    int DeviceID = 0;
    QString AreaCode;
    QString LocalPrefix;
    QString LongPrefix;
    TDialMode DialMode = TDialMode::dmTone;
    bool UseCard = false;
    QString Service;
    QString Number;
    QString Code;

    const QString& Location() const { return m_location; }
    // Stores the name and creates the location's subkey at once.
    void SetLocation(const QString& location);

    // Reads the settings; values that cannot be read keep their defaults.
    void Load();
    // Writes them back; false when the store cannot be written.
    bool Save();

    // The names of the stored locations, or "Default Location" alone.
    QStringList Locations() const;
    bool DeleteLocation(const QString& location);

    // The serial ports beyond the ones found by looking ("Ports", separated
    // by ";") and the speed of the port ("Speed", default 115200), kept
    // beside the device index.
    struct ModemSetup
    {
        QStringList ports;
        int speed = 115200;
    };
    static ModemSetup ReadModemSetup(RegistryStore* store = nullptr);
    static bool WriteModemSetup(const ModemSetup& setup, RegistryStore* store = nullptr);

private:
    RegistryStore& Store() const;
    QString LocationKey() const { return RegistryPath + u'\\' + m_location; }

    RegistryStore* m_store;
    QString m_location;
};
