#include "PrivateBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The example script of the README: the shell block after its heading.
QString ReadmeScript()
{
    const QString readme = QString::fromUtf8(ReadFile(QStringLiteral(ZENDRIVO_SOURCE_DIR "/README.md")));
    static const QRegularExpression block(QStringLiteral("## Scripting Zendrivo.*?```sh\\n(.*?)```"),
                                          QRegularExpression::DotMatchesEverythingOption);
    return block.match(readme).captured(1);
}

// The desktop program as the session bus starts it: offscreen, with its
// data, settings and activation file in a temporary folder.
class ProgramTest : public ::testing::Test
{
protected:
    ProgramTest()
    {
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZENDRIVO_HOME"), dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    }

    int RunProgram(const QString& argument)
    {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZENDRIVO_APP_PATH), {argument});
        if (!program.waitForFinished(30000))
            return -1;
        return program.exitCode();
    }

    // Runs a command on the private bus; its output, or "failed: ..." .
    QString Run(const QString& program, const QStringList& arguments, const QString& address)
    {
        QProcess process;
        QProcessEnvironment withBus = env;
        withBus.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        process.setProcessEnvironment(withBus);
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return u"failed: " + QString::fromUtf8(process.readAllStandardError());
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    QString Gdbus(const QString& address, const QString& path, const QString& member, const QStringList& arguments = {})
    {
        const bool factory = path == u"/ZiVo/Application";
        QStringList all{QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
                        QStringLiteral("ZiVo.Application"), QStringLiteral("--object-path"), path,
                        QStringLiteral("--method"),
                        (factory ? QStringLiteral("ZiVo.Application.Factory.") : QStringLiteral("ZiVo.Application.")) + member};
        return Run(QStringLiteral("gdbus"), all + arguments, address);
    }

    QTemporaryDir dir;
    QProcessEnvironment env;
};

} // namespace

TEST_F(ProgramTest, RegisteredProgramStartsForAClientAndQuitsAfterTheLastRelease)
{
    ASSERT_EQ(RunProgram(QStringLiteral("-REGSERVER")), 0);
    const QString serviceFile = dir.filePath(QStringLiteral("data/dbus-1/services/ZiVo.Application.service"));
    EXPECT_TRUE(ReadFile(serviceFile).contains("Exec=" ZENDRIVO_APP_PATH " -AUTOMATION\n"));

    PrivateBus bus(env);
    if (bus.Address().isEmpty())
        GTEST_SKIP() << "dbus-daemon is not available";
    // Activation: the first call starts the program.
    const QString created = Gdbus(bus.Address(), QStringLiteral("/ZiVo/Application"), QStringLiteral("CreateForProcess"),
                                  {QString::number(QCoreApplication::applicationPid())});
    ASSERT_TRUE(created.startsWith(u"(objectpath '/ZiVo/Application/")) << qPrintable(created);
    const QString path = created.section(u'\'', 1, 1);

    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("zivoClass")), QStringLiteral("(11,)"));
    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("Insert"),
                    {QStringLiteral("3"), QStringLiteral("Alice"), QString(), QString(), QString()}),
              QStringLiteral("()"));
    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("Insert"),
                    {QStringLiteral("0"), QStringLiteral("Work"), QString(), QString(), QString()}),
              QStringLiteral("()"));
    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("Items"), {QStringLiteral("2")}), QStringLiteral("(true,)"));
    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("zivoTitle")), QStringLiteral("('Alice',)"));
    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("Insert"),
                    {QStringLiteral("6"), QStringLiteral("Home"), QStringLiteral("555-2000"), QString(),
                     QStringLiteral("{Phon}12~~0")}),
              QStringLiteral("()"));
    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("Insert"),
                    {QStringLiteral("7"), QStringLiteral("Mail"), QStringLiteral("alice@example.org"), QString(), QString()}),
              QStringLiteral("()"));
    EXPECT_TRUE(Gdbus(bus.Address(), path, QStringLiteral("Insert"), {QStringLiteral("99"), QStringLiteral("x"), QString(), QString(), QString()})
                    .contains(u"Unknown class code 99"));

    const QString script = ReadmeScript();
    ASSERT_FALSE(script.isEmpty());
    EXPECT_EQ(Run(QStringLiteral("sh"), {QStringLiteral("-c"), script}, bus.Address()),
              QStringLiteral("Alice\n  Home: 555-2000"));

    // The script's own object went with it; ours keeps the program running until released.
    EXPECT_EQ(Gdbus(bus.Address(), QStringLiteral("/ZiVo/Application"), QStringLiteral("ObjectCount")),
              QStringLiteral("(1,)"));
    EXPECT_EQ(Gdbus(bus.Address(), path, QStringLiteral("Release")), QStringLiteral("()"));
    const QString name = QStringLiteral("quit-watch");
    {
        QDBusConnection watcher = QDBusConnection::connectToBus(bus.Address(), name);
        EXPECT_TRUE(WaitUntil([&] { return !watcher.interface()->isServiceRegistered(QStringLiteral("ZiVo.Application")).value(); }, 30000));
    }
    QDBusConnection::disconnectFromBus(name);
    // The program saved what the client made on its way out.
    const QByteArray saved = ReadFile(dir.filePath(QStringLiteral("home/zivo.dat")));
    EXPECT_TRUE(saved.contains("{1 3 }Alice~~~~~~")) << saved.constData();
    EXPECT_TRUE(saved.contains("{2 6 }Home~~555-2000~~~~")) << saved.constData();
    EXPECT_TRUE(saved.contains("{Phon}12~~0")) << saved.constData();

    ASSERT_EQ(RunProgram(QStringLiteral("/UNREGSERVER")), 0);
    EXPECT_FALSE(QFile::exists(serviceFile));
}
