#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Result
{
    int code;
    QString out;
    QString err;
};

class VCardCli : public ::testing::Test
{
protected:
    Result Run(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"ZENDRIVO_HOME"_qs, home.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work.path());
        p.start(QStringLiteral(ZENDRIVO_CLI_PATH), args);
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(work.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray Database() const
    {
        QFile file(home.filePath(u"zivo.dat"_qs));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir home;
    QTemporaryDir work;
};

const QByteArray kCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;John\r\nFN:John Doe\r\nTEL;TYPE=WORK:555-1\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nORG:Acme\r\nTEL;TYPE=FAX,PREF:555-2\r\nEND:VCARD\r\n";
} // namespace

TEST_F(VCardCli, ImportsCardsBelowANodeAsPersonsOrOrganizations)
{
    Write(u"cards.vcf"_qs, kCards);
    Write(u"folder.zvd"_qs, "{1 0 }Clients~~~~~~1\r\n{Fold}0\r\n");
    ASSERT_EQ(Run({u"import"_qs, u"folder.zvd"_qs}).code, 0);
    Result r = Run({u"import"_qs, u"cards.vcf"_qs, u"--into"_qs, u"My Contacts/Clients"_qs});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    r = Run({u"tree"_qs, u"My Contacts/Clients"_qs});
    EXPECT_TRUE(r.out.contains(u"  [3] John Doe |  John Doe\n    [6] Office | 555-1"_qs)) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u"  [3]   |   \n    [8] Preferred,Fax Line | 555-2"_qs)) << r.out.toStdString();

    r = Run({u"import"_qs, u"cards.vcf"_qs, u"--org-cards"_qs, u"organization"_qs});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(Run({u"tree"_qs}).out.contains(u"\n  [1] Acme\n    [8] Preferred,Fax Line | 555-2"_qs));
}

TEST_F(VCardCli, FailuresLeaveTheDatabaseAsItWas)
{
    Write(u"cards.vcf"_qs, kCards);
    ASSERT_EQ(Run({u"import"_qs, u"cards.vcf"_qs}).code, 0);
    const QByteArray before = Database();
    ASSERT_FALSE(before.isEmpty());
    for (const QStringList& args : {QStringList{u"import"_qs, u"cards.vcf"_qs, u"missing.vcf"_qs},
                                    QStringList{u"import"_qs, u"cards.vcf"_qs, u"--into"_qs, u"My Contacts/None"_qs},
                                    QStringList{u"import"_qs, u"cards.vcf"_qs, u"--org-cards"_qs, u"team"_qs},
                                    QStringList{u"export"_qs, u"pdf"_qs, u"out.pdf"_qs, u"--node"_qs, u"My Contacts"_qs},
                                    QStringList{u"export"_qs, u"vcf"_qs, u"out.vcf"_qs, u"--node"_qs, u"My Contacts"_qs},
                                    QStringList{u"export"_qs, u"vcf"_qs, u"out.txt"_qs, u"--node"_qs, u"My Contacts/John Doe"_qs}}) {
        const Result r = Run(args);
        EXPECT_NE(r.code, 0) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_EQ(Database(), before);
    }
    EXPECT_FALSE(QFile::exists(work.filePath(u"out.vcf"_qs)));
}

TEST_F(VCardCli, ExportWritesTheCardOfThePerson)
{
    Write(u"cards.vcf"_qs, kCards);
    ASSERT_EQ(Run({u"import"_qs, u"cards.vcf"_qs}).code, 0);
    const Result r = Run({u"export"_qs, u"vcf"_qs, u"john.vcf"_qs, u"--node"_qs, u"My Contacts/John Doe"_qs});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QFile file(work.filePath(u"john.vcf"_qs));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("begin:vcard\r\nN:Doe;John;;\r\nFN:John Doe\r\nTITLE:John Doe\r\nTEL:555-1\r\nend:vcard\r\n"));
}
