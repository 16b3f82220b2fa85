#pragma once

#include <QStringList>

// What the command line asks of the start.
namespace StartupOptions {

// True when any parameter, the program path included, is exactly "HIDEWIN".
bool StartHidden(const QStringList& arguments);

} // namespace StartupOptions
