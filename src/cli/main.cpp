#include "cli/CliSession.h"
#include "cli/Commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zendrivo-cli"));
    CliSession::KeepTreesUntilExit();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = RunCli(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
