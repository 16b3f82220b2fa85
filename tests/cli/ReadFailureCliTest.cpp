#include "CliRunner.h"

#include <QFileInfo>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

// A disk that fails part-way through a file: the run must fail, say which
// file and why, and leave the database exactly as it was, never saving the
// part that was read (or nothing) over it.
namespace {

const QString kReason = QStringLiteral("Input/output error");

// Preloads the shim so that reading any of the files fails after the
// first kept bytes. The files must exist: the shim compares resolved paths.
QProcessEnvironment FailingReads(const QStringList& files, int kept = 1000)
{
    QStringList paths;
    for (const QString& file : files)
        paths.append(QFileInfo(file).canonicalFilePath());
    QProcessEnvironment env;
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ZENDRIVO_READ_FAILURE_SHIM));
    env.insert(QStringLiteral("READ_FAILURE_PATH"), paths.join(u':'));
    env.insert(QStringLiteral("READ_FAILURE_AFTER"), QString::number(kept));
    // A sanitizer runtime would insist on coming before the shim.
    const QString asan = qEnvironmentVariable("ASAN_OPTIONS");
    env.insert(QStringLiteral("ASAN_OPTIONS"), asan + (asan.isEmpty() ? u""_qs : u":"_qs)
                                                   + QStringLiteral("verify_asan_link_order=0"));
    return env;
}

QByteArray Cards(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "begin:vcard\r\nN:Lee;Ann\r\nTITLE:Ann Lee " + QByteArray::number(i) + "\r\nend:vcard\r\n";
    return bytes;
}

// A data directory holding a database of 200 cards, and files to import.
class CliReadFailure : public ::testing::Test
{
protected:
    void SetUp() override
    {
        card = cli.files.filePath(QStringLiteral("cards.vcf"));
        cli.Write(card, Cards(200));
        ASSERT_EQ(cli.Run({QStringLiteral("import"), card}).exitCode, 0);
        exchange = cli.files.filePath(QStringLiteral("cards.zvd"));
        ASSERT_EQ(cli.Run({QStringLiteral("export"), QStringLiteral("zvd"), exchange, QStringLiteral("--node"),
                           QStringLiteral("My Contacts")})
                      .exitCode,
                  0);
        csv = cli.files.filePath(QStringLiteral("rows.csv"));
        QByteArray rows;
        for (int i = 0; i < 200; ++i)
            rows += "Bo " + QByteArray::number(i) + ",bo" + QByteArray::number(i) + "@example.org\n";
        cli.Write(csv, rows);
        database = cli.Path(QStringLiteral("zivo.dat"));
        journal = cli.Path(QStringLiteral("zivo.dat.txn"));
        saved = cli.Read(database);
        ASSERT_GT(saved.size(), 4000);
    }

    QList<QStringList> Commands() const
    {
        return {{QStringLiteral("resave")},
                {QStringLiteral("tree")},
                {QStringLiteral("import"), card},
                {QStringLiteral("import"), exchange},
                {QStringLiteral("import-csv"), csv, QStringLiteral("--type"), QStringLiteral("E-mail Addresses"),
                 QStringLiteral("--fields"), QStringLiteral("Title,E-Mail Address")}};
    }

    CliRunner cli;
    QString card, exchange, csv, database, journal;
    QByteArray saved;
};

} // namespace

TEST_F(CliReadFailure, ADatabaseThatFailsPartWayStopsEveryCommand)
{
    // The preload alone changes nothing.
    const auto control = cli.Run({QStringLiteral("tree")}, FailingReads({card}));
    ASSERT_EQ(control.exitCode, 0) << control.err.toStdString();
    EXPECT_TRUE(control.out.contains(QStringLiteral("Ann Lee 199")));

    // Without a journal to fall back on (a database from before journals,
    // or one whose journal fails as well).
    const QByteArray journalBytes = cli.Read(journal);
    for (const bool withJournal : {true, false}) {
        if (!withJournal)
            QFile::remove(journal);
        const QProcessEnvironment failing =
            withJournal ? FailingReads({database, journal}) : FailingReads({database});
        for (const QStringList& args : Commands()) {
            const auto run = cli.Run(args, failing);
            const std::string what = args.join(u' ').toStdString() + (withJournal ? " (journal failing)" : "");
            EXPECT_NE(run.exitCode, 0) << what;
            EXPECT_TRUE(run.err.contains(QStringLiteral("zivo.dat")) && run.err.contains(kReason))
                << what << ": " << run.err.toStdString();
            EXPECT_TRUE(cli.Read(database) == saved) << what << ": zivo.dat changed";
        }
        if (withJournal) {
            EXPECT_TRUE(cli.Read(journal) == journalBytes) << "the journal changed";
        }
    }
    EXPECT_FALSE(QFile::exists(journal)) << "nothing was saved";
}

// With a complete journal, the command line uses it at once (as with any
// database it cannot read) and says so: the tree is the whole of the last
// save, never the part read before the failure.
TEST_F(CliReadFailure, ACompleteJournalStandsInForADatabaseThatFailsPartWay)
{
    const auto run = cli.Run({QStringLiteral("resave")}, FailingReads({database}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Cannot read zivo.dat: ") + kReason)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("using the journal"))) << run.err.toStdString();
    EXPECT_TRUE(cli.Read(database) == saved) << "zivo.dat changed";
}

TEST_F(CliReadFailure, AnImportFileThatFailsPartWayAddsNothing)
{
    for (const QStringList& args : Commands().mid(2)) {
        const QString file = args[1];
        const auto run = cli.Run(args, FailingReads({file}));
        const std::string what = args.join(u' ').toStdString();
        EXPECT_NE(run.exitCode, 0) << what;
        EXPECT_TRUE(run.err.contains(QStringLiteral("Cannot read %1: %2").arg(file, kReason)))
            << what << ": " << run.err.toStdString();
        EXPECT_TRUE(cli.Read(database) == saved) << what << ": zivo.dat changed";
    }
}
