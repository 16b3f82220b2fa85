#include "Corpus.h"

#include "exchange/InternetShortcut.h"
#include "model/Exceptions.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Shortcut, ReadsTheShortcutSectionWhereverItStands)
{
    const ShortcutFields before = ParseShortcut("[{000214A0-0000}]\nURL=wrong\nProp3=19,2\n[InternetShortcut]\nurl=http://a.org/\n");
    EXPECT_EQ(before.url, u"http://a.org/"_s);
    const ShortcutFields after = ParseShortcut(
        "\xEF\xBB\xBF[InternetShortcut]\r\nURL= http://b.org/ \r\nHotKey=abc\r\nShowCommand=x\r\n[Other]\r\nURL=c\r\n\r\n\r\n");
    EXPECT_EQ(after.url, u"http://b.org/"_s);
    EXPECT_EQ(after.hotKey, 0);
    EXPECT_EQ(after.showCommand, 1);
    // Without the section the first URL line anywhere counts.
    EXPECT_EQ(ParseShortcut("URL=http://c.org/\nURL=http://d.org/\n").url, u"http://c.org/"_s);
    const ShortcutFields numbers = ParseShortcut("[InternetShortcut]\nHotKey=577\nShowCommand=3\nWorkingDirectory=/w\n");
    EXPECT_EQ(numbers.hotKey, 577);
    EXPECT_EQ(numbers.showCommand, 3);
    EXPECT_EQ(numbers.workingDirectory, u"/w"_s);
}

TEST(Shortcut, ReadsUtf16AndIgnoresNoise)
{
    const QString text = u"[InternetShortcut]\r\nURL=http://ü.org/\r\n"_s;
    QByteArray le("\xFF\xFE", 2);
    le.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(ParseShortcut(le).url, u"http://ü.org/"_s);
    EXPECT_EQ(ParseShortcut("").url, QString());
    EXPECT_EQ(ParseShortcut("=x\n[\nURL\n").url, QString());
}

TEST(Shortcut, FileNameGetsTheExtension)
{
    TIShortCut s;
    s.SetFileName(u"/x/site"_s);
    EXPECT_EQ(s.FileName(), u"/x/site.url"_s);
    s.SetFileName(u"/x/site.URL"_s);
    EXPECT_EQ(s.FileName(), u"/x/site.URL"_s);
    s.SetFileName(u".url"_s);
    EXPECT_EQ(s.FileName(), QString());
    s.SetFileName(u"/nonexistent/zz"_s);
    EXPECT_THROW(s.Load(), EReadError);
}

TEST(Shortcut, EveryCorpusShortcutGivesItsUrl)
{
    const QDir dir(CorpusDir(u"url"_s));
    if (!dir.exists())
        GTEST_SKIP() << "corpus not present";
    const QStringList files = dir.entryList({u"*.url"_s}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        TIShortCut s;
        s.SetFileName(dir.filePath(name));
        s.Load();
        EXPECT_TRUE(s.Url().startsWith(u"http"_s)) << name.toStdString() << ": " << s.Url().toStdString();
        EXPECT_FALSE(s.Url().contains(u' ')) << name.toStdString();
    }
}
