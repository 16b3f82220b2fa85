#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {
// Runs the desktop program on a data directory of its own, offscreen.
class AppProcess
{
public:
    explicit AppProcess(const QString& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZENDRIVO_HOME"), home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    }

    QProcess process;
};

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first instance listens once its window exists; a second start then hands over.
bool WaitForFile(const QString& path, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        if (QFile::exists(path))
            return true;
        QThread::msleep(50);
    }
    return false;
}
} // namespace

TEST(DesktopProcess, ASecondStartHandsItsFileToTheFirstAndSigtermSaves)
{
    QTemporaryDir home;
    QTemporaryDir files;
    const QString exchange = files.filePath(QStringLiteral("handed.zvd"));
    {
        QFile f(exchange);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{1 0 }Handed over~~~~~~4242\r\n{Fold}0\r\n");
    }
    AppProcess first(home.path());
    first.process.start(QStringLiteral(ZENDRIVO_APP_PATH), {QStringLiteral("HIDEWIN")});
    ASSERT_TRUE(first.process.waitForStarted(10000));
    // The first instance saves an empty database when asked to end; wait until it listens.
    QThread::msleep(1500);

    AppProcess second(home.path());
    second.process.start(QStringLiteral(ZENDRIVO_APP_PATH), {exchange});
    ASSERT_TRUE(second.process.waitForFinished(15000));
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("zivo.dat"))));

    QThread::msleep(500);
    ::kill(static_cast<pid_t>(first.process.processId()), SIGTERM);
    ASSERT_TRUE(first.process.waitForFinished(15000));
    EXPECT_EQ(first.process.exitStatus(), QProcess::NormalExit);
    ASSERT_TRUE(WaitForFile(home.filePath(QStringLiteral("zivo.dat")), 2000));
    EXPECT_TRUE(ReadFile(home.filePath(QStringLiteral("zivo.dat"))).contains("{1 0 }Handed over~~~~~~4242"));
}
