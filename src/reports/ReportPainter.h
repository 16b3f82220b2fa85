#pragma once

#include "reports/ReportPage.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class TBandedReport;

// Paints laid-out pages. The device's page must be the report's paper with
// no margins of its own: every position is measured from the paper's edge.
namespace ReportPainter {

// Paints the pages with an active painter on its device, starting a new
// device page before each page after the first.
void Paint(QPainter& painter, QPagedPaintDevice& device, const std::vector<TReportPage>& pages);

// Lays the report out and writes it to a PDF file. False, with the reason in
// *error, when the file cannot be written.
bool WritePdf(TBandedReport& report, const QString& path, QString* error = nullptr);

// Gives the printer the report's paper, orientation and job title, and
// makes it measure from the paper's edge.
void SetUpPrinter(QPrinter& printer, const TBandedReport& report);
// Lays the report out and prints it; false when the printer cannot start.
bool Print(TBandedReport& report, QPrinter& printer);
// Prints pages already laid out for the report.
bool PrintPages(const std::vector<TReportPage>& pages, const TBandedReport& report, QPrinter& printer);

} // namespace ReportPainter
