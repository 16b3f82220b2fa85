#pragma once

#include <QByteArray>
#include <QString>

// Where the database goes when the program must end and cannot save it: a
// new file in $XDG_STATE_HOME/zendrivo (default ~/.local/state/zendrivo),
// else in the temporary directory. Nothing here waits on the user, so it
// serves an ending at SIGTERM or logout.
namespace RescueFile {

// Writes BYTES to a new rescue file and returns its path; empty with
// *error when no place took it.
QString Write(const QByteArray& bytes, QString* error = nullptr);

// Says MESSAGE on stderr and in the system log.
void Report(const QString& message);

} // namespace RescueFile
