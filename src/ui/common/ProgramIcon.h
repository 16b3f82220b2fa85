#pragma once

#include <QIcon>
#include <QString>

// The icon a program shows on the desktop: the theme icon named after the
// program, or the one its desktop entry names, else the icon of executables.
namespace ProgramIcon {

QIcon For(const QString& program);
// The icon of a program file without one of its own; never null.
QIcon Generic();

} // namespace ProgramIcon
