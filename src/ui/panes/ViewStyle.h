#pragma once

#include <QObject>
#include <QString>

// The item list's four views. The names are what the settings file keeps
// ("vsIcon" ... "vsReport"), so a property of this type round-trips by name.
namespace ListView {
Q_NAMESPACE

enum ViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
Q_ENUM_NS(ViewStyle)

QString ViewStyleName(ViewStyle style);
// vsIcon for an unknown name.
ViewStyle ViewStyleFromName(const QString& name, bool* ok = nullptr);

} // namespace ListView
