#include "CliRunner.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QByteArray kBook =
    "{1 0 }Friends~~~~~~7\r\n{Fold}0\r\n"
    "{2 3 }Jane Miller~~ Jane Miller~~~~555\r\n{Pers}~~Jane~~~~Miller~~Home~~~~~~~~~~0\r\n"
    "{3 5 }Home~~~~~~556\r\n{Addr}1 Elm St~~~~~~Springfield~~IL~~62701~~USA~~0\r\n"
    "{2 3 }adam Ames~~ Adam Ames~~~~557\r\n{Pers}~~Adam~~~~ames~~~~~~~~~~~~0\r\n"
    "{3 9 }Birthday~~~~cake~~558\r\n{Remd}2026,5,31,0~~0\r\n";

class ReportCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString file = cli.files.filePath(QStringLiteral("in.zvd"));
        cli.Write(file, kBook);
        ASSERT_EQ(cli.Run({QStringLiteral("import"), file}).exitCode, 0);
    }
    QString Pdf(const QString& name) const { return cli.files.filePath(name); }

    CliRunner cli;
};

TEST_F(ReportCli, EachReportWritesItsPdf)
{
    const QString node = QStringLiteral("My Contacts/Friends");
    const QStringList kinds{QStringLiteral("list"), QStringLiteral("book"), QStringLiteral("labels"),
                            QStringLiteral("reminders"), QStringLiteral("simple")};
    cli.Write(cli.Path(QStringLiteral("zvb.ini")), "[Label Setting]\r\nLabel0=\"Three across\",50,19,100,262,275,100,3\r\n");
    for (const QString& kind : kinds) {
        const auto run = cli.Run({QStringLiteral("report"), kind, QStringLiteral("--node"), node, QStringLiteral("--pdf"),
                                  Pdf(kind + u".pdf"), QStringLiteral("--from"), QStringLiteral("2026-05-01"),
                                  QStringLiteral("--to"), QStringLiteral("2026-05-31")});
        ASSERT_EQ(run.exitCode, 0) << kind.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(cli.Read(Pdf(kind + u".pdf")).startsWith("%PDF")) << kind.toStdString();
    }
    // The envelope goes to the person's primary address.
    const QString ret = cli.files.filePath(QStringLiteral("ret.txt"));
    cli.Write(ret, "Pat Sender\r\n9 Home Road\r\n");
    const auto envelope = cli.Run({QStringLiteral("report"), QStringLiteral("envelope"), QStringLiteral("--node"),
                                   QStringLiteral("My Contacts/Friends/Jane Miller"), QStringLiteral("--pdf"),
                                   Pdf(QStringLiteral("env.pdf")), QStringLiteral("--return-file"), ret,
                                   QStringLiteral("--envelope"), QStringLiteral("dl")});
    ASSERT_EQ(envelope.exitCode, 0) << envelope.err.toStdString();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return;
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {Pdf(QStringLiteral("env.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(words.contains(QStringLiteral("Pat Sender")));
    EXPECT_TRUE(words.contains(QStringLiteral("Jane Miller")));
    EXPECT_TRUE(words.contains(QStringLiteral("62701 USA")));
}

TEST_F(ReportCli, LabelTypesListStoredOnesFirst)
{
    cli.Write(cli.Path(QStringLiteral("zvb.ini")), "[Label Setting]\r\nLabel0=\"Three across\",50,19,100,262,275,100,3\r\n");
    const auto run = cli.Run({QStringLiteral("labels")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("\"Three across\",50,19,100,262,275,100,3\n")));
}

TEST_F(ReportCli, BadArgumentsGiveOneClearLine)
{
    const auto expectFailure = [this](const QStringList& args, const QString& says) {
        const auto run = cli.Run(args);
        EXPECT_NE(run.exitCode, 0) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(says)) << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    };
    const QString pdf = Pdf(QStringLiteral("x.pdf"));
    expectFailure({QStringLiteral("report"), QStringLiteral("poster"), QStringLiteral("--pdf"), pdf},
                  QStringLiteral("Unknown report poster"));
    expectFailure({QStringLiteral("report"), QStringLiteral("labels"), QStringLiteral("--pdf"), pdf,
                   QStringLiteral("--label"), QStringLiteral("Nonesuch 1")},
                  QStringLiteral("Unknown label type Nonesuch 1"));
    expectFailure({QStringLiteral("report"), QStringLiteral("envelope"), QStringLiteral("--pdf"), pdf,
                   QStringLiteral("--envelope"), QStringLiteral("A4")},
                  QStringLiteral("Unknown envelope size A4"));
    expectFailure({QStringLiteral("report"), QStringLiteral("list"), QStringLiteral("--pdf"),
                   cli.files.filePath(QStringLiteral("no/such/dir/x.pdf"))},
                  QStringLiteral("Cannot write"));
    expectFailure({QStringLiteral("report"), QStringLiteral("list"), QStringLiteral("--pdf"), pdf,
                   QStringLiteral("--node"), QStringLiteral("My Contacts/Nowhere")},
                  QStringLiteral("Nowhere"));
    expectFailure({QStringLiteral("report"), QStringLiteral("reminders"), QStringLiteral("--pdf"), pdf,
                   QStringLiteral("--from"), QStringLiteral("May 1")},
                  QStringLiteral("--from needs a date"));
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

} // namespace
