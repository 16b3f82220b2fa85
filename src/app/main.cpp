#include "model/Exceptions.h"
#include "platform/DataPaths.h"
#include "ui/common/AppInfo.h"
#include "ui/shell/HandedCommand.h"
#include "ui/shell/SignalWatcher.h"
#include "ui/shell/StartupOptions.h"
#include "ui/shell/StartupRecovery.h"
#include "ui/shell/TLogicForm.h"
#include "ui/shell/TMainForm.h"
#include "ui/shell/TPBJustOne.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

#include <cstdio>

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

    // A second start hands its arguments to the first and ends here; the
    // first owns the database until it ends.
    TPBJustOne justOne;
    switch (justOne.Begin(arguments)) {
    case TPBJustOne::Start::HandedOver:
        return 0;
    case TPBJustOne::Start::Busy:
        std::fprintf(stderr, "zendrivo: %s\n", qPrintable(justOne.BusyMessage()));
        QMessageBox::critical(nullptr, AppInfo::ProductName(), justOne.BusyMessage());
        return 1;
    case TPBJustOne::Start::First:
        break;
    }

    SignalWatcher signals;
    bool ending = false;
    QObject::connect(&signals, &SignalWatcher::TerminationRequested, &app, [&ending] {
        ending = true;
        // A question of the start is answered "ending"; the loop, once it runs, ends.
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        QApplication::quit();
    });
    TLogicForm tray;
    TMainForm form;
    if (!StartupRecovery::Run(form, StartupRecovery::Dialogs(&form, &ending)) || ending)
        return ending ? 0 : 1;
    tray.SetMainForm(&form);
    form.SetOwnCommandLine(arguments);
    QObject::connect(&justOne, &TPBJustOne::ArgumentsReceived, &form, &TMainForm::HandleCommandLine);
    justOne.SetCommandRunner([&form](const QStringList& command, const QString& directory) {
        return RunHandedCommand(form, command, directory);
    });
    // A dialog may hold an item of the tree: handed-over commands wait for it.
    justOne.SetBusyCheck([] { return QApplication::activeModalWidget() != nullptr; });
    QObject::connect(&tray, &TLogicForm::ExitRequested, &app, &QApplication::quit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager&) { form.SaveForSessionEnd(); });
    QObject::connect(&app, &QApplication::aboutToQuit, &form, &TMainForm::SaveAtExit);

    if (!startHidden)
        tray.Restore();
    const int code = QApplication::exec();
    return form.ExitSaveFailed() ? 1 : code;
}
