#include "platform/DetachedProcessStarter.h"
#include "platform/ShellLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class RecordingStarter : public ProcessStarter
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };

    LaunchResult start(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory) override
    {
        calls.append({program, arguments, workingDirectory});
        return result;
    }

    QList<Call> calls;
    LaunchResult result{true, {}};
};

} // namespace

TEST(ShellLauncher, SplitsParametersLikeAShell)
{
    const struct
    {
        QString text;
        QStringList expected;
    } cases[] = {
        {u""_s, {}},
        {u"   "_s, {}},
        {u"-q "_s, {u"-q"_s}},
        {u"  -f   /tmp/data.txt "_s, {u"-f"_s, u"/tmp/data.txt"_s}},
        {u"\"My Documents/a b.txt\" x"_s, {u"My Documents/a b.txt"_s, u"x"_s}},
        {u"'it \"is\" \\ raw'"_s, {u"it \"is\" \\ raw"_s}},
        {u"\"say \\\"hi\\\" C:\\dir\""_s, {u"say \"hi\" C:\\dir"_s}},
        {u"a\\ b c\\\\d"_s, {u"a b"_s, u"c\\d"_s}},
        {u"pre\"fix mid\"post next"_s, {u"prefix midpost"_s, u"next"_s}},
        {u"\"\" ''"_s, {QString(), QString()}},
        {u"\"unclosed  quote"_s, {u"unclosed  quote"_s}},
        {u"tab\tand\nnewline"_s, {u"tab"_s, u"and"_s, u"newline"_s}},
        {u"trailing\\"_s, {u"trailing\\"_s}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellLauncher::SplitArguments(c.text), c.expected) << c.text.toStdString();
}

TEST(ShellLauncher, LaunchHandsProgramArgumentsAndDirectoryToTheStarter)
{
    RecordingStarter starter;
    const ShellLauncher launcher(starter);
    EXPECT_TRUE(launcher.Launch(u"/opt/tool/bin/tool"_s, u"-f '/home/me/a file'"_s, u"/opt/tool/bin"_s).ok);
    EXPECT_TRUE(launcher.Launch(u"notes"_s, QString()).ok);
    ASSERT_EQ(starter.calls.size(), 2);
    EXPECT_EQ(starter.calls[0].program, u"/opt/tool/bin/tool");
    EXPECT_EQ(starter.calls[0].arguments, (QStringList{u"-f"_s, u"/home/me/a file"_s}));
    EXPECT_EQ(starter.calls[0].workingDirectory, u"/opt/tool/bin");
    EXPECT_TRUE(starter.calls[1].arguments.isEmpty());
    EXPECT_TRUE(starter.calls[1].workingDirectory.isEmpty());

    starter.result = {false, u"Cannot start notes: Permission denied"_s};
    const LaunchResult failed = launcher.Launch(u"notes"_s, u"x"_s);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.error, starter.result.error);

    const LaunchResult empty = launcher.Launch(u"  "_s, u"x"_s);
    EXPECT_FALSE(empty.ok);
    EXPECT_FALSE(empty.error.isEmpty());
    EXPECT_EQ(starter.calls.size(), 3);
}

TEST(ShellLauncher, OpenDocumentGoesThroughTheDesktopOpener)
{
    QTemporaryDir dir;
    QFile(dir.filePath(u"letter.txt"_s)).open(QIODevice::WriteOnly);
    RecordingStarter starter;
    const ShellLauncher launcher(starter);

    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const LaunchResult relative = launcher.OpenDocument(u"letter.txt"_s);
    QDir::setCurrent(before);
    EXPECT_TRUE(relative.ok);
    EXPECT_TRUE(launcher.OpenDocument(u"https://example.org/a?b=c d"_s).ok);
    EXPECT_TRUE(launcher.OpenDocument(u"mailto:someone@example.org"_s).ok);
    EXPECT_TRUE(launcher.OpenDocument(QUrl::fromLocalFile(dir.filePath(u"letter.txt"_s)).toString()).ok);

    ASSERT_EQ(starter.calls.size(), 4);
    for (const auto& call : starter.calls) {
        EXPECT_EQ(call.program, u"xdg-open");
        EXPECT_EQ(call.arguments.size(), 1);
    }
    EXPECT_EQ(starter.calls[0].arguments, QStringList{dir.filePath(u"letter.txt"_s)});
    EXPECT_EQ(starter.calls[1].arguments, QStringList{u"https://example.org/a?b=c d"_s});
    EXPECT_EQ(starter.calls[3].arguments, QStringList{dir.filePath(u"letter.txt"_s)});

    // A missing file is reported without starting the opener.
    const LaunchResult missing = launcher.OpenDocument(dir.filePath(u"gone.txt"_s));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, u"Cannot open " + dir.filePath(u"gone.txt"_s) + u": No such file or directory");
    EXPECT_FALSE(launcher.OpenDocument(QString()).ok);
    EXPECT_EQ(starter.calls.size(), 4);
}

TEST(DetachedProcessStarter, ReportsWhatCouldNotBeStarted)
{
    DetachedProcessStarter starter;
    const LaunchResult missing = ShellLauncher(starter).Launch(u"/nonexistent/zendrivo-tool"_s, u"-x"_s);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, u"Cannot start /nonexistent/zendrivo-tool: No such file or directory");

    const LaunchResult badDirectory = starter.start(u"/bin/true"_s, {}, u"/nonexistent/dir"_s);
    EXPECT_FALSE(badDirectory.ok);
    EXPECT_EQ(badDirectory.error, u"Cannot start /bin/true in /nonexistent/dir: No such file or directory");

    EXPECT_TRUE(starter.start(u"/bin/true"_s, {u"ignored"_s}, QDir::tempPath()).ok);
}
