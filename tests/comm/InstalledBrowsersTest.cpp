#include "comm/InstalledBrowsers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    if (executable)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

TEST(InstalledBrowsers, OnlyVisibleWebBrowsersOfTheApplicationFilesCount)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("applications"));
    const QString program = dir.filePath(QStringLiteral("surfer"));
    Write(program, "#!/bin/sh\n", true);
    const QString apps = dir.filePath(QStringLiteral("applications/"));
    Write(apps + u"surfer.desktop"_qs, "[Desktop Entry]\nName=Surfer\nExec=\"" + program.toUtf8()
                                           + "\" --new-window %U\nCategories=Network;WebBrowser;\n"
                                             "[Desktop Action private]\nName=Private Surfer\n");
    // The same program again, a hidden one and one that is no browser.
    Write(apps + u"zz-surfer-again.desktop"_qs,
          "[Desktop Entry]\nName=Surfer Again\nExec=" + program.toUtf8() + "\nCategories=WebBrowser;\n");
    Write(apps + u"hidden.desktop"_qs, "[Desktop Entry]\nName=Hidden\nExec=/bin/sh\nCategories=WebBrowser;\nNoDisplay=true\n");
    Write(apps + u"editor.desktop"_qs, "[Desktop Entry]\nName=Editor\nExec=/bin/sh\nCategories=Utility;\n");
    Write(apps + u"gone.desktop"_qs, "[Desktop Entry]\nName=Gone\nExec=/no/such/browser\nCategories=WebBrowser;\n");

    const QList<InstalledBrowser> found = FindInstalledBrowsers({dir.path()});
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found[0].name, u"Surfer");
    EXPECT_EQ(found[0].program, program);
    for (qsizetype i = 1; i < found.size(); ++i) {
        EXPECT_NE(found[i].program, program);
        EXPECT_NE(found[i].name, u"Hidden");
        EXPECT_NE(found[i].name, u"Editor");
        EXPECT_NE(found[i].name, u"Gone");
    }
    // A directory where a file is expected gives nothing.
    EXPECT_TRUE(DesktopFileProgram(dir.path()).isEmpty());
}
