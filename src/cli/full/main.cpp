#include "cli/full/FullCommands.h"
#include "model/HelperThreads.h"
#include "model/ItemHeap.h"
#include "platform/LargePageHeap.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

// Every command of zendrivo-cli, including those that print or use the
// secret store; zendrivo-cli runs those through this program.
int main(int argc, char** argv)
{
    LargePageHeap::Reserve();
    ItemHeap::PoolFromNowOn();
    HelperThreads::Allow(true);
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    // Reports measure and paint text, which needs a GUI application; the
    // offscreen platform gives one without a display.
    std::unique_ptr<QCoreApplication> app;
    if (CommandPaints(raw)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform's notes (a missing runtime folder, font fallbacks)
        // would bury the command's own one-line error.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return RunCliProgram(FullCommands());
}
