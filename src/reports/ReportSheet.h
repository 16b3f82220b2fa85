#pragma once

#include <QFont>
#include <QPageSize>
#include <QString>

// The choices of one sheet of the print dialog that the list reports share.
// Margins are tenths of an inch, as the dialog shows them.
struct TReportSheet
{
    QString title;
    bool landscape = false;
    int topTenths = 5;
    int bottomTenths = 5;
    int leftTenths = 0;
    QFont font;
    QPageSize pageSize{QPageSize::Letter};
};

namespace ReportDefaults {

// The desktop's general font: a face every machine has.
QFont Font();
// Letter where the locale measures in inches (the United States), else A4.
QPageSize PageSize();

} // namespace ReportDefaults
