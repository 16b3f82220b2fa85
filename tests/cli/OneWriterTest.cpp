#include "CliRunner.h"

#include "cli/CliSession.h"
#include "platform/DatabaseLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
QByteArray Card(int n)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Writer" + QByteArray::number(n) + ";Anna\r\nFN:Anna Writer"
        + QByteArray::number(n) + "\r\nEND:VCARD\r\n";
}

std::unique_ptr<QProcess> StartCli(const CliRunner& cli, const QStringList& args)
{
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENDRIVO_HOME"), cli.home.path());
    p->setProcessEnvironment(env);
    p->start(QStringLiteral(ZENDRIVO_CLI_PATH), args);
    return p;
}

// Sets a variable of the environment for one test and puts it back.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};
} // namespace

TEST(OneWriter, TwentyPairsOfConcurrentImportsLoseNothing)
{
    CliRunner cli;
    for (int pair = 0; pair < 20; ++pair) {
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int side = 0; side < 2; ++side) {
            const int n = pair * 2 + side;
            const QString file = cli.files.filePath(QStringLiteral("card%1.vcf").arg(n));
            cli.Write(file, Card(n));
            runs.push_back(StartCli(cli, {QStringLiteral("import"), file}));
        }
        for (auto& run : runs) {
            ASSERT_TRUE(run->waitForFinished(30000));
            EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().constData();
        }
    }
    const QByteArray database = cli.Read(cli.Path(QStringLiteral("zivo.dat")));
    for (int n = 0; n < 40; ++n)
        EXPECT_TRUE(database.contains(QByteArray("Anna Writer" + QByteArray::number(n) + "~~"))) << "card " << n << " was lost";
}

TEST(OneWriter, AWriterWaitsForTheHolderAndThenSaysWhoHoldsIt)
{
    CliRunner cli;
    const QString file = cli.files.filePath(QStringLiteral("card.vcf"));
    cli.Write(file, Card(1));
    DatabaseLock holder(cli.home.path());
    ASSERT_TRUE(holder.TryLock(0));

    // Readers read the file without waiting.
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(cli.Run({QStringLiteral("tree")}).exitCode, 0);
    EXPECT_LT(timer.elapsed(), 5000);

    timer.restart();
    const CliRunner::Result refused = cli.Run({QStringLiteral("import"), file});
    EXPECT_GE(timer.elapsed(), 9000);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err.trimmed(),
              QStringLiteral("zendrivo-cli: The database is in use by process %1").arg(QCoreApplication::applicationPid()));
    EXPECT_FALSE(QFile::exists(cli.Path(QStringLiteral("zivo.dat"))));

    // A holder that lets go within the wait lets the writer through.
    auto waiting = StartCli(cli, {QStringLiteral("import"), file});
    ASSERT_TRUE(waiting->waitForStarted(5000));
    QThread::msleep(500);
    holder.Unlock();
    ASSERT_TRUE(waiting->waitForFinished(15000));
    EXPECT_EQ(waiting->exitCode(), 0);
    EXPECT_TRUE(cli.Read(cli.Path(QStringLiteral("zivo.dat"))).contains("Anna Writer1~~"));
}

TEST(OneWriter, ASessionThatDidNotTakeTheLockSavesOnlyOverWhatItLoaded)
{
    CliRunner cli;
    const ScopedEnv home("ZENDRIVO_HOME", cli.home.path().toUtf8());
    const QString before = QDir::currentPath();
    const QString database = cli.Path(QStringLiteral("zivo.dat"));
    cli.Write(database, "{Params}\r\n");
    {
        CliSession session;
        // Another program saves while this one works: its save would be lost.
        QThread::msleep(20);
        QFile::remove(database);
        cli.Write(database, "{Params}\r\n{1 0 }Saved by another~~~~~~77\r\n{Fold}0\r\n");
        try {
            session.Save();
            ADD_FAILURE() << "the other program's save was overwritten";
        } catch (const CliError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("changed by another program"))) << e.Message().toStdString();
        }
        EXPECT_TRUE(cli.Read(database).contains("Saved by another"));
    }
    {
        CliSession session;
        session.Save();
        EXPECT_TRUE(cli.Read(database).contains("Saved by another"));
    }
    QDir::setCurrent(before);
}
