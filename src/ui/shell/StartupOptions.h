#pragma once

#include <QStringList>

// What the command line asks of the start.
namespace StartupOptions {

// True when any parameter, the program path included, is exactly "HIDEWIN".
bool StartHidden(const QStringList& arguments);

// The arguments with every parameter that names an existing file made an
// absolute path, so that they still name it after the program changes to
// its data directory or hands them to the running instance.
QStringList WithAbsolutePaths(const QStringList& arguments);

} // namespace StartupOptions
