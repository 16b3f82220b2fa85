#include "automation/ActivationFile.h"
#include "automation/AutomationSwitches.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QStringList Arguments(std::initializer_list<const char*> parameters)
{
    QStringList result{QStringLiteral("/usr/bin/zendrivo")};
    for (const char* p : parameters)
        result.append(QString::fromUtf8(p));
    return result;
}

// Points XDG_DATA_HOME elsewhere for one test.
class DataHome
{
public:
    explicit DataHome(const QString& path) : m_old(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", path.toUtf8()); }
    ~DataHome() { qputenv("XDG_DATA_HOME", m_old); }

private:
    QByteArray m_old;
};
} // namespace

TEST(StartSwitches, AreTakenAfterDashOrSlashWithoutRegardToCase)
{
    using S = AutomationStart;
    EXPECT_EQ(AutomationSwitches::Parse(Arguments({"-automation"})), S::Automation);
    EXPECT_EQ(AutomationSwitches::Parse(Arguments({"HIDEWIN", "/Embedding"})), S::Embedding);
    EXPECT_EQ(AutomationSwitches::Parse(Arguments({"-REGSERVER"})), S::RegServer);
    EXPECT_EQ(AutomationSwitches::Parse(Arguments({"/unRegServer", "-automation"})), S::UnregServer);
    EXPECT_EQ(AutomationSwitches::Parse(Arguments({"AUTOMATION", "--automation", "/home/me/x.zvd", "-"})), S::Normal);
    EXPECT_EQ(AutomationSwitches::Parse({QStringLiteral("/AUTOMATION")}), S::Normal);
    EXPECT_TRUE(AutomationSwitches::QuitsAfterLastRelease(S::Automation));
    EXPECT_TRUE(AutomationSwitches::QuitsAfterLastRelease(S::Embedding));
    EXPECT_FALSE(AutomationSwitches::QuitsAfterLastRelease(S::Normal));
}

TEST(ActivationFileTest, NamesTheProgramAndComesAndGoes)
{
    QTemporaryDir dir;
    const DataHome home(dir.path());
    const QString path = ActivationFile::Path();
    EXPECT_EQ(path, dir.path() + QStringLiteral("/dbus-1/services/ZiVo.Application.service"));
    EXPECT_EQ(ActivationFile::Text(QStringLiteral("/opt/My Apps/zendrivo")),
              QStringLiteral("[D-BUS Service]\n# Zendrivo automation interface\nName=ZiVo.Application\n"
                             "Exec=\"/opt/My Apps/zendrivo\" -AUTOMATION\n"));

    QString error;
    ASSERT_TRUE(ActivationFile::Write(QStringLiteral("/usr/bin/zendrivo"), &error)) << qPrintable(error);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\nExec=/usr/bin/zendrivo -AUTOMATION\n"));
    file.close();
    ASSERT_TRUE(ActivationFile::Write(QStringLiteral("/usr/local/bin/zendrivo"), &error));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\nExec=/usr/local/bin/zendrivo -AUTOMATION\n"));
    file.close();

    EXPECT_TRUE(ActivationFile::Remove(&error));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(ActivationFile::Remove(&error));
}

TEST(ActivationFileTest, AFolderThatCannotBeMadeIsReported)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("dbus-1")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const DataHome home(dir.path());
    QString error;
    EXPECT_FALSE(ActivationFile::Write(QStringLiteral("/usr/bin/zendrivo"), &error));
    EXPECT_TRUE(error.contains(u"dbus-1")) << qPrintable(error);
}
