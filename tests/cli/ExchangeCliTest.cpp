#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int code = -1;
    QString out;
    QString err;
};

// One data directory per test, and files beside it in the same temporary folder.
class ExchangeCli : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString home = dir.filePath(QStringLiteral("home"));

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(home)); }

    CliRun Cli(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZENDRIVO_HOME"), home);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(ZENDRIVO_CLI_PATH), args);
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QString File(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return name; // relative: the command resolves it before entering the data directory
    }
    QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray Database() { return Read(home + u"/zivo.dat"); }
};

} // namespace

TEST_F(ExchangeCli, CsvImportAndExportRoundTrip)
{
    const QString csv = File(QStringLiteral("people.csv"),
                             "\"Lee, Ann\",Ann,Lee,\"555, ext \"\"7\"\"\"\n"
                             "Bo,Bo,Ek,\"note\nspanning lines\"\n");
    const CliRun in = Cli({QStringLiteral("import-csv"), csv, QStringLiteral("--type"), QStringLiteral("person"),
                        QStringLiteral("--fields"), QStringLiteral("Title, First Name,Last Name,Phone Number")});
    ASSERT_EQ(in.code, 0) << in.err.toStdString();
    EXPECT_EQ(in.out, QStringLiteral("Imported 2 item(s)\n"));

    const CliRun out = Cli({QStringLiteral("export"), QStringLiteral("csv"), QStringLiteral("out.csv"),
                         QStringLiteral("--node"), QStringLiteral("My Contacts"), QStringLiteral("--type"),
                         QStringLiteral("Person"), QStringLiteral("--fields"),
                         QStringLiteral("Title,Phone Number,Website")});
    ASSERT_EQ(out.code, 0) << out.err.toStdString();
    EXPECT_EQ(Read(dir.filePath(QStringLiteral("out.csv"))),
              QByteArray("Title,\"Phone Number\",Website\r\n"
                         "\"Bo\",\"note spanning lines\",\r\n"
                         "\"Lee, Ann\",\"555, ext \"\"7\"\"\",\r\n"));

    const CliRun phones = Cli({QStringLiteral("export"), QStringLiteral("csv"), QStringLiteral("phones.csv"),
                            QStringLiteral("--type"), QStringLiteral("Phone Numbers"), QStringLiteral("--no-header")});
    ASSERT_EQ(phones.code, 0) << phones.err.toStdString();
    EXPECT_EQ(Read(dir.filePath(QStringLiteral("phones.csv"))),
              QByteArray("\"Primary Phone\",\"note spanning lines\",\"\",\"\"\r\n"
                         "\"Primary Phone\",\"555, ext \"\"7\"\"\",\"\",\"\"\r\n"));
}

TEST_F(ExchangeCli, TabFilesAndTargets)
{
    ASSERT_EQ(Cli({QStringLiteral("import-csv"), File(QStringLiteral("a.csv"), "Team\n"), QStringLiteral("--type"),
                   QStringLiteral("Organization"), QStringLiteral("--fields"), QStringLiteral("Title")})
                  .code,
              0);
    const CliRun tab = Cli({QStringLiteral("import-csv"), File(QStringLiteral("p.txt"), "Desk\t555, 1\n"),
                         QStringLiteral("--type"), QStringLiteral("phone numbers"), QStringLiteral("--fields"),
                         QStringLiteral("Title,Phone Number,Extension"), QStringLiteral("--tab"),
                         QStringLiteral("--into"), QStringLiteral("My Contacts/Team")});
    ASSERT_EQ(tab.code, 0) << tab.err.toStdString();
    const CliRun tree = Cli({QStringLiteral("tree"), QStringLiteral("My Contacts/Team")});
    EXPECT_EQ(tree.out, QStringLiteral("[1] Team\n  [6] Desk | 555\n"));
}

TEST_F(ExchangeCli, FailuresExitNonZeroAndLeaveTheDatabase)
{
    ASSERT_EQ(Cli({QStringLiteral("import-csv"), File(QStringLiteral("a.csv"), "Keep\n"), QStringLiteral("--type"),
                   QStringLiteral("Organization"), QStringLiteral("--fields"), QStringLiteral("Title")})
                  .code,
              0);
    const QByteArray before = Database();
    ASSERT_FALSE(before.isEmpty());
    const QString csv = File(QStringLiteral("b.csv"), "x\n");
    const QList<QStringList> bad{
        {QStringLiteral("import-csv"), QStringLiteral("missing.csv"), QStringLiteral("--type"), QStringLiteral("Person"),
         QStringLiteral("--fields"), QStringLiteral("Title")},
        {QStringLiteral("import-csv"), csv, QStringLiteral("--type"), QStringLiteral("Pets"), QStringLiteral("--fields"),
         QStringLiteral("Title")},
        {QStringLiteral("import-csv"), csv, QStringLiteral("--type"), QStringLiteral("Person"), QStringLiteral("--fields"),
         QStringLiteral("Title,Shoe Size")},
        {QStringLiteral("import-csv"), csv, QStringLiteral("--type"), QStringLiteral("Person"), QStringLiteral("--fields"),
         QStringLiteral("Title"), QStringLiteral("--into"), QStringLiteral("My Contacts/Nowhere")},
        {QStringLiteral("import-csv"), dir.path(), QStringLiteral("--type"), QStringLiteral("Person"),
         QStringLiteral("--fields"), QStringLiteral("Title")},
        {QStringLiteral("export"), QStringLiteral("zvd"), QStringLiteral("out.txt")},
        {QStringLiteral("export"), QStringLiteral("pdf"), QStringLiteral("out.pdf")},
        {QStringLiteral("export"), QStringLiteral("csv"), QStringLiteral("no/such/dir/out.csv")},
        {QStringLiteral("import"), QStringLiteral("missing.zvd")},
    };
    for (const QStringList& args : bad) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = Cli(args);
        EXPECT_NE(r.code, 0);
        EXPECT_TRUE(r.err.startsWith(u"zendrivo-cli: ")) << r.err.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_EQ(Database(), before);
    }
    EXPECT_TRUE(Cli({QStringLiteral("export"), QStringLiteral("zvd"), QStringLiteral("out.txt")})
                    .err.contains(u"The exported filename needs to have an extension of \".zvd\""));
}

TEST_F(ExchangeCli, ExchangeFilesGoBelowTheRoot)
{
    ASSERT_EQ(Cli({QStringLiteral("import-csv"), File(QStringLiteral("a.csv"), "Zeta\nAlpha\n"), QStringLiteral("--type"),
                   QStringLiteral("Organization"), QStringLiteral("--fields"), QStringLiteral("Title")})
                  .code,
              0);
    const CliRun out = Cli({QStringLiteral("export"), QStringLiteral("zvd"), QStringLiteral("zeta.ZVD"), QStringLiteral("--node"),
                         QStringLiteral("My Contacts/Zeta")});
    ASSERT_EQ(out.code, 0) << out.err.toStdString();
    EXPECT_TRUE(Read(dir.filePath(QStringLiteral("zeta.ZVD"))).startsWith("{1 1 }Zeta~~"));
    const CliRun in = Cli({QStringLiteral("import"), QStringLiteral("zeta.ZVD")});
    ASSERT_EQ(in.code, 0) << in.err.toStdString();
    EXPECT_EQ(Cli({QStringLiteral("tree")}).out, QStringLiteral("[11] My Contacts\n  [1] Alpha\n  [1] Zeta\n  [1] Zeta\n"));
}
