#pragma once

#include <QString>

// The session bus's activation file for the service: it lets a client's
// first call start the program with "-AUTOMATION". It lives in
// "$XDG_DATA_HOME/dbus-1/services/" (normally ~/.local/share/dbus-1/services).
namespace ActivationFile {

QString Path();
// The file's text, naming the program at that path.
QString Text(const QString& programPath);
// Writes the file unless it already says the same; false with the reason.
bool Write(const QString& programPath, QString* error);
// Removes the file; a missing file is no failure.
bool Remove(QString* error);

} // namespace ActivationFile
