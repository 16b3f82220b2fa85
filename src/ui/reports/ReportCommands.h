#pragma once

#include <QObject>

#include <memory>

class PaneHost;
class QAction;
class QMenu;
class QPrinter;
class QToolBar;
class TReportPrinter;

// The File menu's "&Print..." and "P&rinter Setup..." commands. One printer
// serves them, so the set-up chosen once holds for every report.
class ReportCommands : public QObject
{
    Q_OBJECT

public:
    ReportCommands(PaneHost& host, QObject* parent);
    ~ReportCommands() override;

    // Adds both commands to the menu and the print command to the bar.
    static ReportCommands* Install(PaneHost& host, QMenu* fileMenu, QToolBar* bar);

    QAction* PrintAction() const { return m_print; }
    QAction* PrinterSetupAction() const { return m_setup; }
    QPrinter& Printer() const;

    // Opens "Print Reports" on the current item.
    void PrintCommand();
    void PrinterSetupCommand();

private:
    PaneHost& m_host;
    std::unique_ptr<TReportPrinter> m_printer;
    QAction* m_print;
    QAction* m_setup;
};
