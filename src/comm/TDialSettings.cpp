#include "comm/TDialSettings.h"

#include "platform/RegistryStore.h"

namespace {

RegistryStore& UserStore()
{
    static RegistryStore store;
    return store;
}

} // namespace

TDialSettings::TDialSettings(RegistryStore* store) : RegistryPath(DefaultRegistryPath()), m_store(store)
{
}

RegistryStore& TDialSettings::Store() const
{
    return m_store ? *m_store : UserStore();
}

void TDialSettings::Assign(const TDialSettings& other)
{
    RegistryPath = other.RegistryPath;
    m_location = other.m_location;
    DeviceID = other.DeviceID;
    AreaCode = other.AreaCode;
    LocalPrefix = other.LocalPrefix;
    LongPrefix = other.LongPrefix;
    DialMode = other.DialMode;
    UseCard = other.UseCard;
    Service = other.Service;
    Number = other.Number;
    Code = other.Code;
    m_store = other.m_store;
}

void TDialSettings::SetLocation(const QString& location)
{
    m_location = location;
    if (!m_location.isEmpty())
        Store().OpenKey(LocationKey(), true);
}

void TDialSettings::Load()
{
    RegistryStore& store = Store();
    DeviceID = store.ReadInteger(RegistryPath, QStringLiteral("DeviceID"), 0);
    if (m_location.isEmpty())
        m_location = store.ReadString(RegistryPath, QStringLiteral("Location"), DefaultLocation());
    if (m_location.isEmpty())
        m_location = DefaultLocation();
    const QString key = LocationKey();
    if (!store.KeyExists(key))
        return;
    AreaCode = store.ReadString(key, QStringLiteral("AreaCode"));
    LocalPrefix = store.ReadString(key, QStringLiteral("LocalPrefix"));
    LongPrefix = store.ReadString(key, QStringLiteral("LongPrefix"));
    // Both or neither: a damaged pair falls back to tone and no card.
    const bool modeRead = store.TypeOf(key, QStringLiteral("DialMode")) == RegistryStore::ValueType::Integer;
    const bool cardRead = store.TypeOf(key, QStringLiteral("UseCard")) == RegistryStore::ValueType::Integer;
    if (modeRead && cardRead) {
        DialMode = store.ReadInteger(key, QStringLiteral("DialMode")) == 1 ? TDialMode::dmPulse : TDialMode::dmTone;
        UseCard = store.ReadInteger(key, QStringLiteral("UseCard")) != 0;
    } else {
        DialMode = TDialMode::dmTone;
        UseCard = false;
    }
    Service = store.ReadString(key, QStringLiteral("Service"));
    Number = store.ReadString(key, QStringLiteral("Number"));
    Code = store.ReadString(key, QStringLiteral("Code"));
}

bool TDialSettings::Save()
{
    RegistryStore& store = Store();
    if (m_location.isEmpty())
        m_location = DefaultLocation();
    const QString key = LocationKey();
    return store.WriteInteger(RegistryPath, QStringLiteral("DeviceID"), DeviceID)
        && store.WriteString(RegistryPath, QStringLiteral("Location"), m_location)
        && store.WriteString(key, QStringLiteral("AreaCode"), AreaCode)
        && store.WriteString(key, QStringLiteral("LocalPrefix"), LocalPrefix)
        && store.WriteString(key, QStringLiteral("LongPrefix"), LongPrefix)
        && store.WriteInteger(key, QStringLiteral("DialMode"), static_cast<int>(DialMode))
        && store.WriteInteger(key, QStringLiteral("UseCard"), UseCard ? 1 : 0)
        && store.WriteString(key, QStringLiteral("Service"), Service)
        && store.WriteString(key, QStringLiteral("Number"), Number)
        && store.WriteString(key, QStringLiteral("Code"), Code);
}

QStringList TDialSettings::Locations() const
{
    if (!Store().KeyExists(RegistryPath))
        return {DefaultLocation()};
    const QStringList names = Store().EnumerateSubKeys(RegistryPath);
    return names.isEmpty() ? QStringList {DefaultLocation()} : names;
}

bool TDialSettings::DeleteLocation(const QString& location)
{
    return !location.isEmpty() && Store().DeleteKey(RegistryPath + u'\\' + location);
}

TDialSettings::ModemSetup TDialSettings::ReadModemSetup(RegistryStore* store)
{
    RegistryStore& s = store ? *store : UserStore();
    ModemSetup setup;
    const QString path = DefaultRegistryPath();
    for (const QString& port : s.ReadString(path, QStringLiteral("Ports")).split(u';', Qt::SkipEmptyParts)) {
        if (!port.trimmed().isEmpty())
            setup.ports << port.trimmed();
    }
    const int speed = s.ReadInteger(path, QStringLiteral("Speed"), 115200);
    setup.speed = speed > 0 ? speed : 115200;
    return setup;
}

bool TDialSettings::WriteModemSetup(const ModemSetup& setup, RegistryStore* store)
{
    RegistryStore& s = store ? *store : UserStore();
    const QString path = DefaultRegistryPath();
    return s.WriteString(path, QStringLiteral("Ports"), setup.ports.join(u';'))
        && s.WriteInteger(path, QStringLiteral("Speed"), setup.speed);
}
