#pragma once

#include <memory>

class QPrinter;

// The printer the reports go to: the desktop's paper for the locale and the
// job title "Zendrivo Printing". Callers need not know the print module.
class TReportPrinter
{
public:
    TReportPrinter();
    ~TReportPrinter();
    TReportPrinter(const TReportPrinter&) = delete;
    TReportPrinter& operator=(const TReportPrinter&) = delete;

    QPrinter& Printer() const { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
};
