#pragma once

#include <QDate>
#include <QString>

// Daily copies of the database: the first save of a day keeps the database
// as it was before that save in the backup folder as "zivo-YYYY-MM-DD.dat",
// and only the newest copies are kept.
namespace DatabaseBackups {

// Keeps today's copy of the database at databasePath when there is none yet
// and drops all but the newest keep copies. A missing database is no error.
// Returns false (with the reason in error) when the copy could not be made;
// the save goes on, as the database itself is not at risk.
bool KeepDailyCopy(const QString& databasePath, const QString& folder, int keep, QString* error = nullptr,
                   const QDate& today = QDate::currentDate());

// The copies in the folder, newest first.
QStringList Copies(const QString& folder);

} // namespace DatabaseBackups
