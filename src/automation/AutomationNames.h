#pragma once

#include <QString>

// The names the automation service goes by on the session bus, all derived
// from the object's program name "ZiVo.Application".
namespace AutomationNames {

inline QString ProgramName() { return QStringLiteral("ZiVo.Application"); }
inline QString ServiceName() { return QStringLiteral("ZiVo.Application"); }
// The interface of each client's object.
inline QString Interface() { return QStringLiteral("ZiVo.Application"); }
// The factory lives at the base path; objects below it, numbered.
inline QString FactoryInterface() { return QStringLiteral("ZiVo.Application.Factory"); }
inline QString FactoryPath() { return QStringLiteral("/ZiVo/Application"); }
inline QString ObjectPath(quint32 number) { return FactoryPath() + u'/' + QString::number(number); }
inline QString Description() { return QStringLiteral("Zendrivo automation interface"); }

// Errors returned to clients.
inline QString ErrorReadOnlyFolder() { return QStringLiteral("ZiVo.Application.Error.ReadOnlyFolder"); }
inline QString ErrorBadArgument() { return QStringLiteral("ZiVo.Application.Error.BadArgument"); }
inline QString ErrorNoItem() { return QStringLiteral("ZiVo.Application.Error.NoItem"); }
inline QString ErrorFailed() { return QStringLiteral("ZiVo.Application.Error.Failed"); }

} // namespace AutomationNames
