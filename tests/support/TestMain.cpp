#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Every test program runs with a Qt application and a pinned locale, so that
// date texts and month names are the same on every machine.
int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
