#include "platform/DataPaths.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DataPaths, ZendrivoHomeHoldsDataAndSettings)
{
    QTemporaryDir dir;
    qputenv("ZENDRIVO_HOME", (dir.path() + QStringLiteral("/sub")).toUtf8());
    EXPECT_EQ(DataPaths::DataDirectory(), dir.path() + QStringLiteral("/sub"));
    EXPECT_EQ(DataPaths::ConfigDirectory(), dir.path() + QStringLiteral("/sub"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(DataPaths::EnterDataDirectory());
    EXPECT_EQ(QDir::currentPath(), dir.path() + QStringLiteral("/sub"));
    QDir::setCurrent(before);
    qunsetenv("ZENDRIVO_HOME");
}
