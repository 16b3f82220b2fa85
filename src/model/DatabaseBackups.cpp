#include "model/DatabaseBackups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace DatabaseBackups {

namespace {
QString CopyName(const QDate& day)
{
    return QStringLiteral("zivo-%1.dat").arg(day.toString(Qt::ISODate));
}
} // namespace

QStringList Copies(const QString& folder)
{
    static const QRegularExpression name(QStringLiteral("^zivo-\\d{4}-\\d{2}-\\d{2}\\.dat$"));
    QStringList copies;
    for (const QString& entry : QDir(folder).entryList(QDir::Files, QDir::Name | QDir::Reversed)) {
        if (name.match(entry).hasMatch())
            copies.append(entry);
    }
    return copies;
}

bool KeepDailyCopy(const QString& databasePath, const QString& folder, int keep, QString* error, const QDate& today)
{
    const QFileInfo database(databasePath);
    if (!database.isFile())
        return true;
    const QString target = QDir(folder).filePath(CopyName(today));
    if (QFileInfo::exists(target))
        return true;
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("Cannot create %1").arg(folder);
        return false;
    }
    // A copy, not a second name: anything that writes the database in
    // place would change a linked backup with it. Copied under a temporary
    // name first, so a half-made copy is never taken for a backup.
    const QString part = target + u".part";
    QFile::remove(part);
    if (!QFile::copy(databasePath, part) || !QFile::rename(part, target)) {
        QFile::remove(part);
        if (error)
            *error = QStringLiteral("Cannot copy %1 to %2").arg(databasePath, target);
        return false;
    }
    const QStringList copies = Copies(folder);
    for (qsizetype i = keep; i < copies.size(); ++i)
        QFile::remove(QDir(folder).filePath(copies[i]));
    return true;
}

} // namespace DatabaseBackups
