#include "platform/HandOverMessage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <vector>

namespace {
QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Card(const QByteArray& name)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + name + ";\r\nFN:" + name + "\r\nEND:VCARD\r\n";
}

struct Outcome
{
    int code = -1;
    QString out;
    QString err;
    bool operator==(const Outcome&) const = default;
};

// The desktop program and the command line tool on one data directory.
class OwnerProcessTest : public ::testing::Test
{
protected:
    OwnerProcessTest()
    {
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZENDRIVO_HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    }

    ~OwnerProcessTest() override
    {
        for (auto& p : desktops) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    QProcess* StartDesktop(const QStringList& args)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(ZENDRIVO_APP_PATH), args);
        desktops.push_back(std::move(p));
        return desktops.back().get();
    }

    std::unique_ptr<QProcess> StartCli(const QStringList& args, const QString& workingDirectory = QString())
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        if (!workingDirectory.isEmpty())
            p->setWorkingDirectory(workingDirectory);
        p->start(QStringLiteral(ZENDRIVO_CLI_PATH), args);
        return p;
    }

    static Outcome Finish(QProcess& p)
    {
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    Outcome Cli(const QStringList& args, const QString& workingDirectory = QString())
    {
        auto p = StartCli(args, workingDirectory);
        return Finish(*p);
    }

    // True once a desktop program listens on the data directory's socket.
    bool WaitUntilListening(int ms = 15000) const
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            QLocalSocket socket;
            socket.connectToServer(HandOver::ServerName(home.path()));
            if (socket.waitForConnected(200))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    static Outcome Terminate(QProcess& p)
    {
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        return Finish(p);
    }

    QString Database() const { return home.filePath(QStringLiteral("zivo.dat")); }

    QTemporaryDir home;
    QTemporaryDir files;
    QTemporaryDir state;
    QProcessEnvironment env;
    std::vector<std::unique_ptr<QProcess>> desktops;
};
} // namespace

TEST_F(OwnerProcessTest, ACommandLineImportWhileTheDesktopRunsIsHandedOverAndKept)
{
    WriteFile(files.filePath(QStringLiteral("anna.vcf")), Card("Anna Handed"));
    const QStringList import{QStringLiteral("import"), QStringLiteral("anna.vcf")};
    const QStringList intoNowhere{QStringLiteral("import"), QStringLiteral("anna.vcf"), QStringLiteral("--into"),
                                  QStringLiteral("My Contacts/Nowhere")};
    const QStringList missingFile{QStringLiteral("import"), QStringLiteral("missing.vcf")};

    // What the command line answers on its own, with relative paths...
    QTemporaryDir alone;
    QProcessEnvironment desktopEnv = env;
    env.insert(QStringLiteral("ZENDRIVO_HOME"), alone.path());
    const Outcome ownImport = Cli(import, files.path());
    const Outcome ownNowhere = Cli(intoNowhere, files.path());
    const Outcome ownMissing = Cli(missingFile, files.path());
    ASSERT_EQ(ownImport.code, 0) << ownImport.err.toStdString();
    ASSERT_NE(ownNowhere.code, 0);
    env = desktopEnv;

    // ... is what it answers through the running desktop program.
    QProcess* desktop = StartDesktop({QStringLiteral("HIDEWIN")});
    ASSERT_TRUE(WaitUntilListening());
    EXPECT_EQ(Cli(import, files.path()), ownImport);
    EXPECT_EQ(Cli(intoNowhere, files.path()), ownNowhere);
    EXPECT_EQ(Cli(missingFile, files.path()), ownMissing);
    // The desktop saved at once, and its own save at the end keeps the card.
    EXPECT_TRUE(ReadFile(Database()).contains("Anna Handed~~"));
    const Outcome ended = Terminate(*desktop);
    EXPECT_EQ(ended.code, 0) << ended.err.toStdString();
    EXPECT_EQ(ReadFile(Database()).count("}Anna Handed~~"), 1);
}

TEST_F(OwnerProcessTest, TwoDesktopsStartedAtOnceLeaveOneRunningWithItsSocket)
{
    QProcess* first = StartDesktop({QStringLiteral("HIDEWIN")});
    QProcess* second = StartDesktop({QStringLiteral("HIDEWIN")});
    QElapsedTimer timer;
    timer.start();
    // Whichever start lost hands over and ends; waiting on one polls both.
    while (first->state() != QProcess::NotRunning && second->state() != QProcess::NotRunning && timer.elapsed() < 20000) {
        first->waitForFinished(50);
        second->waitForFinished(50);
    }
    QProcess* handedOver = first->state() == QProcess::NotRunning ? first : second;
    QProcess* running = handedOver == first ? second : first;
    ASSERT_EQ(handedOver->state(), QProcess::NotRunning) << "both starts came up";
    EXPECT_EQ(handedOver->exitCode(), 0);
    ASSERT_EQ(running->state(), QProcess::Running);

    // The running one still listens: a command-line import reaches it at once.
    WriteFile(files.filePath(QStringLiteral("b.vcf")), Card("Bea Survivor"));
    timer.restart();
    const Outcome import = Cli({QStringLiteral("import"), files.filePath(QStringLiteral("b.vcf"))});
    EXPECT_EQ(import.code, 0) << import.err.toStdString();
    EXPECT_LT(timer.elapsed(), 8000);
    EXPECT_EQ(Terminate(*running).code, 0);
    EXPECT_TRUE(ReadFile(Database()).contains("Bea Survivor~~"));
}

TEST_F(OwnerProcessTest, ASigtermWithAnUnwritableDataDirectoryEndsSoonWithARescueFile)
{
    QProcess* desktop = StartDesktop({QStringLiteral("HIDEWIN")});
    ASSERT_TRUE(WaitUntilListening());
    const QString exchange = files.filePath(QStringLiteral("rescue.zvd"));
    WriteFile(exchange, "{1 0 }Rescue Me~~~~~~4242\r\n{Fold}0\r\n");
    // A second start hands the file over; it is imported but not saved.
    QProcess* second = StartDesktop({exchange});
    ASSERT_TRUE(second->waitForFinished(15000));
    const QString copy = home.filePath(QStringLiteral("zivo.dat.autosave"));
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(copy) && timer.elapsed() < 10000)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(copy)) << "the unsaved import was never copied";

    // Unwritable for a user; for root, a directory where the journal goes.
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("zivo.dat.txn")));
    QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    timer.restart();
    const Outcome ended = Terminate(*desktop);
    QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(ended.code, 1);
    const QStringList rescued = QDir(state.filePath(QStringLiteral("zendrivo"))).entryList(QDir::Files);
    ASSERT_EQ(rescued.size(), 1);
    const QString rescue = state.filePath(QStringLiteral("zendrivo/") + rescued[0]);
    EXPECT_TRUE(ended.err.contains(rescue)) << ended.err.toStdString();
    EXPECT_TRUE(ReadFile(rescue).contains("Rescue Me~~"));
}

TEST_F(OwnerProcessTest, StressTwentyImportsAndAHandedOverStartThenSigtermLoseNothing)
{
    QProcess* desktop = StartDesktop({QStringLiteral("HIDEWIN")});
    ASSERT_TRUE(WaitUntilListening());
    std::vector<std::unique_ptr<QProcess>> imports;
    for (int n = 0; n < 20; ++n) {
        const QString file = files.filePath(QStringLiteral("s%1.vcf").arg(n));
        WriteFile(file, Card("Stress " + QByteArray::number(n)));
        imports.push_back(StartCli({QStringLiteral("import"), file}));
    }
    const QString exchange = files.filePath(QStringLiteral("started.zvd"));
    WriteFile(exchange, "{1 0 }Handed At Start~~~~~~4343\r\n{Fold}0\r\n");
    QProcess* second = StartDesktop({exchange});
    for (auto& p : imports) {
        const Outcome run = Finish(*p);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
    }
    ASSERT_TRUE(second->waitForFinished(15000));
    EXPECT_EQ(second->exitCode(), 0);
    // The start's file is imported once the window's loop has run.
    QThread::msleep(500);
    EXPECT_EQ(Terminate(*desktop).code, 0);

    const QByteArray database = ReadFile(Database());
    for (int n = 0; n < 20; ++n)
        EXPECT_EQ(database.count(QByteArray("}Stress " + QByteArray::number(n) + "~~")), 1) << "card " << n;
    EXPECT_TRUE(database.contains("Handed At Start~~"));
}
