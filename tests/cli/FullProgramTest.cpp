#include "CliRunner.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The dynamic libraries a program would load, as the loader lists them
// without running it.
QString LoadedLibraries(const QString& program)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.start(program, {});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(FullProgram, EverydayCommandsLoadOnlyTheCore)
{
    const QString lean = LoadedLibraries(QStringLiteral(ZENDRIVO_CLI_PATH));
    ASSERT_TRUE(lean.contains(QStringLiteral("libQt6Core"))) << lean.toStdString();
    for (const char* library :
         {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libQt6DBus", "keychain", "libQt6Network"})
        EXPECT_FALSE(lean.contains(QLatin1String(library))) << library;
    EXPECT_TRUE(LoadedLibraries(QStringLiteral(ZENDRIVO_CLI_FULL_PATH)).contains(QStringLiteral("libQt6PrintSupport")));
}

TEST(FullProgram, HandedCommandsKeepTheirArgumentsOutputAndExitCode)
{
    CliRunner cli;
    const auto labels = cli.Run({QStringLiteral("labels")});
    ASSERT_EQ(labels.exitCode, 0) << labels.err.toStdString();
    EXPECT_FALSE(labels.out.isEmpty());

    // An argument with spaces and letters outside ASCII arrives whole: it
    // is named in the error about it.
    const QString pdf = cli.files.filePath(QStringLiteral("Grüße an alle.pdf"));
    const auto bad = cli.Run({QStringLiteral("report"), QStringLiteral("list"), QStringLiteral("--pdf"), pdf,
                              QStringLiteral("--node"), QStringLiteral("My Contacts/Nirgendwo Straße")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Nirgendwo Straße"))) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    const auto help = cli.Run({QStringLiteral("--help")});
    for (const char* name : {"report list|envelope", "labels", "carddav bind", "sync [PATH]", "resave", "tree"})
        EXPECT_TRUE(help.out.contains(QLatin1String(name))) << name;
}

TEST(FullProgram, AMissingFullProgramIsNamedNotSilent)
{
    CliRunner cli;
    const QString alone = cli.files.filePath(QStringLiteral("zendrivo-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZENDRIVO_CLI_PATH), alone));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENDRIVO_HOME"), cli.home.path());
    p.setProcessEnvironment(env);
    p.start(alone, {QStringLiteral("labels")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("zendrivo-cli-full, which cannot be started: No such file or directory")))
        << err.toStdString();

    // Its own commands still run.
    p.start(alone, {QStringLiteral("tree")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}
