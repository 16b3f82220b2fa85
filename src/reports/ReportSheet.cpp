#include "reports/ReportSheet.h"

#include <QFontDatabase>
#include <QLocale>

namespace ReportDefaults {

QFont Font()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(10);
    return font;
}

QPageSize PageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace ReportDefaults
