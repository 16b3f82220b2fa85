#include "platform/SchemeHandler.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A desktop of its own: the lookup sees only the handlers set up here.
class SchemeHandlerTest : public ::testing::Test
{
protected:
    SchemeHandlerTest()
    {
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DE", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"}) {
            if (qEnvironmentVariableIsSet(name)) {
                saved.append({name, qgetenv(name)});
                qunsetenv(name);
            }
        }
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            saved.append({name, qgetenv(name)});
            const QString path = dir.filePath(QString::fromLatin1(name));
            QDir().mkpath(path + QStringLiteral("/applications"));
            qputenv(name, path.toUtf8());
        }
    }
    ~SchemeHandlerTest() override
    {
        for (const auto& [name, value] : saved) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

    void Write(const QString& path, const QByteArray& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir dir;
    QList<std::pair<const char*, QByteArray>> saved;
};
} // namespace

TEST_F(SchemeHandlerTest, NamesTheDefaultHandlerOrNothing)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        GTEST_SKIP() << "xdg-mime is not installed";
    EXPECT_EQ(SchemeHandler::DefaultFor(QStringLiteral("tel")), QString());
    Write(dir.filePath(QStringLiteral("XDG_DATA_HOME/applications/dialer.desktop")),
          "[Desktop Entry]\nType=Application\nName=Dialer\nExec=true %u\nMimeType=x-scheme-handler/tel;\n");
    Write(dir.filePath(QStringLiteral("XDG_CONFIG_HOME/mimeapps.list")),
          "[Default Applications]\nx-scheme-handler/tel=dialer.desktop\n");
    EXPECT_EQ(SchemeHandler::DefaultFor(QStringLiteral("tel")), QStringLiteral("dialer.desktop"));
    EXPECT_EQ(SchemeHandler::DefaultFor(QStringLiteral("mailto")), QString());
}

TEST_F(SchemeHandlerTest, ASchemeThatIsNoneIsNotLookedUp)
{
    EXPECT_EQ(SchemeHandler::DefaultFor(QStringLiteral("tel; rm -rf x")), QString());
    EXPECT_EQ(SchemeHandler::DefaultFor(QString()), QString());
    EXPECT_EQ(SchemeHandler::DefaultFor(QStringLiteral("../tel")), QString());
}
