#include "ui/reports/TReportPrinter.h"

#include "reports/ReportSheet.h"

#include <QPrinter>

TReportPrinter::TReportPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setPageSize(ReportDefaults::PageSize());
    m_printer->setDocName(QStringLiteral("Zendrivo Printing"));
}

TReportPrinter::~TReportPrinter() = default;
