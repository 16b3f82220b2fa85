#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test program runs with a Qt application and a pinned locale, so that
// date texts and month names are the same on every machine.
int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Settings and data of the tests never touch the user's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
