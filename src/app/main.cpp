#include "model/Exceptions.h"
#include "platform/DataPaths.h"
#include "ui/common/AppInfo.h"
#include "ui/shell/SignalWatcher.h"
#include "ui/shell/StartupOptions.h"
#include "ui/shell/TLogicForm.h"
#include "ui/shell/TMainForm.h"
#include "ui/shell/TPBJustOne.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Files named on the command line are taken before the data directory becomes current.
    const QStringList arguments = StartupOptions::WithAbsolutePaths(QApplication::arguments());
    const bool startHidden = StartupOptions::StartHidden(arguments);
    QApplication::setApplicationName(AppInfo::ProductName());
    QApplication::setApplicationDisplayName(AppInfo::ProductName());
    QApplication::setApplicationVersion(AppInfo::Version());
    // The window hides to the tray; only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QString error;
    if (!DataPaths::EnterDataDirectory(&error)) {
        QMessageBox::critical(nullptr, AppInfo::ProductName(), error);
        return 1;
    }

    // A second start hands its arguments to the first and ends here.
    TPBJustOne justOne;
    if (justOne.HandOver(arguments))
        return 0;

    SignalWatcher signals;
    TLogicForm tray;
    TMainForm form;
    tray.SetMainForm(&form);
    form.SetOwnCommandLine(arguments);
    QObject::connect(&justOne, &TPBJustOne::ArgumentsReceived, &form, &TMainForm::HandleCommandLine);
    QObject::connect(&tray, &TLogicForm::ExitRequested, &app, &QApplication::quit);
    QObject::connect(&signals, &SignalWatcher::TerminationRequested, &app, &QApplication::quit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager&) { form.SaveForSession(); });
    QObject::connect(&app, &QApplication::aboutToQuit, &form, &TMainForm::SaveAtExit);

    if (!startHidden)
        tray.Restore();
    return QApplication::exec();
}
