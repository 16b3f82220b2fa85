#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct CliRun
{
    int code = -1;
    QString out;
    QString err;
};

class ImportCliTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid() && files.isValid()); }

    CliRun Cli(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"ZENDRIVO_HOME"_s, home.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZENDRIVO_CLI_PATH), args);
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = files.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QByteArray Database()
    {
        QFile f(home.filePath(u"zivo.dat"_s));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir home;
    QTemporaryDir files;
};
} // namespace

TEST_F(ImportCliTest, EachImportSavesItsFolder)
{
    const QString book = Write(u"b/bookmark.htm"_s, "<TITLE>Links</TITLE>\n<DT><A HREF=\"http://a.org/\">A &amp; B</A>\n");
    Write(u"mail/address.htm"_s, "<TITLE>People</TITLE>\n<A HREF=\"mailto:ann@x.org\">Ann</A>\n");
    const QString nick = Write(u"nndbase.txt"_s, "alias ann \"Ann\" <ann@x.org>\nnote ann friend\n");
    Write(u"Favs/Sub/Site.url"_s, "[InternetShortcut]\r\nURL=http://site.org/\r\n");

    EXPECT_EQ(Cli({u"import-bookmarks"_s, book}).code, 0);
    EXPECT_EQ(Cli({u"import-addressbook"_s, files.filePath(u"mail"_s)}).code, 0); // the directory holding address.htm
    EXPECT_EQ(Cli({u"import-nicknames"_s, nick}).code, 0);
    const CliRun fav = Cli({u"import-favorites"_s, files.filePath(u"Favs"_s), u"--into"_s, u"My Contacts/Links"_s});
    EXPECT_EQ(fav.code, 0) << fav.err.toStdString();
    EXPECT_EQ(fav.out, u"Imported 1 item(s) into My Contacts/Links/Favs\n"_s);

    const CliRun tree = Cli({u"tree"_s});
    EXPECT_EQ(tree.out, u"[11] My Contacts\n"
                        "  [0] Eudora Addresses\n"
                        "    [7] ann | ann@x.org | friend\n"
                        "  [0] Links\n"
                        "    [0] Favs\n"
                        "      [0] Sub\n"
                        "        [4] Site | http://site.org/\n"
                        "    [4] A & B | http://a.org/\n"
                        "  [0] People\n"
                        "    [7] Ann | ann@x.org\n"_s);
}

TEST_F(ImportCliTest, FailuresLeaveTheDatabaseAsItWas)
{
    const QString book = Write(u"bookmark.htm"_s, "<TITLE>Links</TITLE>\n<A HREF=\"http://a.org/\">A</A>\n");
    ASSERT_EQ(Cli({u"import-bookmarks"_s, book}).code, 0);
    const QByteArray before = Database();

    const QList<QStringList> failing = {
        {u"import-bookmarks"_s, files.filePath(u"missing.htm"_s)},
        {u"import-bookmarks"_s, book, u"--into"_s, u"My Contacts"_s},
        {u"import-nicknames"_s, files.path()}, // no nndbase.txt there
        {u"import-favorites"_s, book},
        {u"import-favorites"_s, files.path(), u"--into"_s, u"My Contacts/Nowhere"_s},
        {u"import-addressbook"_s},
    };
    for (const QStringList& args : failing) {
        const CliRun r = Cli(args);
        EXPECT_NE(r.code, 0) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(u"zendrivo-cli: "_s)) << r.err.toStdString();
        EXPECT_EQ(Database(), before) << args.join(u' ').toStdString();
    }
}

TEST_F(ImportCliTest, BrokenShortcutAndRemoteFolderFailCleanly)
{
    // A remote folder comes from the database; its records are written by hand.
    QFile db(home.filePath(u"zivo.dat"_s));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.write("{Params}\r\n{1 0 }Remote~~/tmp/none.zvd~~~~77\r\n{Fold}0\r\n");
    db.close();
    const QByteArray before = Database();
    Write(u"Favs/ok.url"_s, "[InternetShortcut]\nURL=http://ok.org/\n");

    const CliRun remote = Cli({u"import-favorites"_s, files.filePath(u"Favs"_s), u"--into"_s, u"My Contacts/Remote"_s});
    EXPECT_NE(remote.code, 0);
    EXPECT_TRUE(remote.err.contains(u"Cannot create new records within a remote (read-only) folder"_s))
        << remote.err.toStdString();
    EXPECT_EQ(Database(), before);

    ASSERT_TRUE(QFile::link(files.filePath(u"nowhere"_s), files.filePath(u"Favs/zz.url"_s)));
    const CliRun broken = Cli({u"import-favorites"_s, files.filePath(u"Favs"_s)});
    EXPECT_NE(broken.code, 0);
    EXPECT_TRUE(broken.err.contains(u"zz.url"_s)) << broken.err.toStdString();
    EXPECT_EQ(Database(), before);
}
