#include "ui/common/AppInfo.h"

#include <QDate>
#include <QLocale>

namespace AppInfo {

QString ProductName()
{
    return QStringLiteral("Zendrivo");
}

QString Version()
{
    return QStringLiteral(ZENDRIVO_VERSION);
}

QString BuildDate()
{
    const QDate date = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    return date.isValid() ? QLocale().toString(date, QLocale::LongFormat) : QString::fromLatin1(__DATE__);
}

} // namespace AppInfo
