#include "platform/ExitWatchdog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {
QStringList Rescued(const QTemporaryDir& state)
{
    return QDir(state.filePath(QStringLiteral("zendrivo"))).entryList(QDir::Files);
}
} // namespace

TEST(ExitWatchdog, ASaveThatHangsEndsTheProcessWithTheTreeInARescueFile)
{
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    EXPECT_EXIT(
        {
            ExitWatchdog watchdog("{Params}\r\n{1 3 }Hung Person~~~~~~1\r\n", 200);
            // The save that never returns.
            std::this_thread::sleep_for(std::chrono::seconds(30));
        },
        ::testing::ExitedWithCode(1), "contacts were written to .*zivo-rescue-");
    ASSERT_EQ(Rescued(state).size(), 1);
    QFile rescue(state.filePath(QStringLiteral("zendrivo/") + Rescued(state)[0]));
    ASSERT_TRUE(rescue.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rescue.readAll().contains("Hung Person~~"));

    // A save that finishes in time leaves nothing behind.
    {
        ExitWatchdog watchdog("unused", 200);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(Rescued(state).size(), 1);
    qunsetenv("XDG_STATE_HOME");
}
