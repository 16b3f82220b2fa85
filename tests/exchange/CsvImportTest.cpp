#include "TreeFixture.h"

#include "exchange/CsvImport.h"
#include "exchange/RecordTypes.h"
#include "model/AddressObject.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/PersonObject.h"
#include "model/PhoneObject.h"
#include "model/TreeOps.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

#include <sys/stat.h>

using CsvImport::Separator;

namespace {

QStringList Fields(const char16_t* commaList)
{
    return QString::fromUtf16(commaList).split(u',');
}

int Import(TreeFixture& f, int code, const char16_t* fields, const char* text, Separator sep = Separator::Comma)
{
    return CsvImport::ImportText(f.root, text, code, Fields(fields), sep);
}

const TZVBObject* Content(const TTreeNode* node, int n)
{
    return ContentAt(node->Item(), n)->Item();
}

} // namespace

TEST(CsvImport, ShortRowsFillWhatTheyHave)
{
    TreeFixture f;
    EXPECT_EQ(Import(f, ClassCode::Phone, u"Title,Phone Number,Extension,Comment", "Desk,555-1\nHome,555-2,9\n"), 2);
    ASSERT_EQ(ContentCount(f.root->Item()), 2);
    const auto* desk = static_cast<const TPhoneObject*>(Content(f.root, 0));
    EXPECT_EQ(desk->Title(), QStringLiteral("Desk"));
    EXPECT_EQ(desk->Value(), QStringLiteral("555-1"));
    EXPECT_TRUE(desk->Extension().isEmpty());
    EXPECT_EQ(static_cast<const TPhoneObject*>(Content(f.root, 1))->Extension(), QStringLiteral("9"));
    // A phone with a title but no number is not taken, and leaves nothing.
    EXPECT_EQ(Import(f, ClassCode::Phone, u"Title,Phone Number", "Fax line,\nLone\n"), 0);
    EXPECT_EQ(ContentCount(f.root->Item()), 2);
}

TEST(CsvImport, EmptyLinesMakeNothingAndTheHeaderIsARecord)
{
    TreeFixture f;
    EXPECT_EQ(Import(f, ClassCode::Person, u"First Name,Last Name", "\n\r\nFirst Name,Last Name\nAnn,Lee\n\n"), 2);
    EXPECT_EQ(f.root->ChildCount(), 2);
    EXPECT_NE(f.tree.FindPath(QStringLiteral("My Contacts/First Name Last Name")), nullptr);
}

TEST(CsvImport, TabSeparatorTurnsTabsIntoCommas)
{
    TreeFixture f;
    EXPECT_EQ(Import(f, ClassCode::Phone, u"Title,Phone Number,Comment", "Office, main\t555\tnote\n", Separator::Tab), 1);
    const TZVBObject* phone = Content(f.root, 0);
    EXPECT_EQ(phone->Title(), QStringLiteral("Office"));
    EXPECT_EQ(phone->Value(), QStringLiteral(" main"));
    EXPECT_EQ(phone->Comment(), QStringLiteral("555"));
}

TEST(CsvImport, MissingTitlesFallBackPerKind)
{
    TreeFixture f;
    EXPECT_EQ(Import(f, ClassCode::EMail, u"E-Mail Address,Comment", "ann.lee@example.org,x\nnobody\n"), 2);
    EXPECT_EQ(Content(f.root, 0)->Title(), QStringLiteral("ann.lee"));
    EXPECT_EQ(Content(f.root, 1)->Title(), QStringLiteral("nobody"));
    // A title beyond a short row counts as missing, for addresses too.
    EXPECT_EQ(Import(f, ClassCode::Address, u"Address Line 1,City,Title", "1 Main St,Springfield\n"), 1);
    const auto* address = static_cast<const TAddressObject*>(Content(f.root, 2));
    EXPECT_EQ(address->Title(), QStringLiteral("New Address"));
    EXPECT_EQ(address->Lines(), (QStringList{QStringLiteral("1 Main St"), QString(), QString()}));
    // An organization without a name is refused with whatever else it has.
    EXPECT_EQ(Import(f, ClassCode::Organization, u"Phone Number,Title", "555\n555,\n"), 0);
    // A website without a title takes its address only when it is a URL.
    EXPECT_EQ(Import(f, ClassCode::Website, u"Website", "http://example.org\n"), 1);
    ASSERT_EQ(f.root->ChildCount(), 1);
    EXPECT_EQ(f.root->Child(0)->Item()->Title(), QStringLiteral("http://example.org"));
}

TEST(CsvImport, PersonWithoutTitleIsNamedAndGetsLabelledContactPoints)
{
    TreeFixture f;
    EXPECT_EQ(Import(f, ClassCode::Person, u"First Name,Last Name,Phone Number,E-Mail Address,Website,Comment",
                     "Ann,Lee,555-1,ann@example.org,not a url,a note\n"),
              1);
    const TTreeNode* node = f.tree.FindPath(QStringLiteral("My Contacts/Ann Lee"));
    ASSERT_NE(node, nullptr);
    const auto* person = static_cast<const TPersonObject*>(node->Item());
    EXPECT_EQ(person->Comment(), QStringLiteral("a note"));
    EXPECT_EQ(person->Primaries().Phone, QStringLiteral("Primary Phone"));
    EXPECT_EQ(person->Primaries().EMail, QStringLiteral("Primary EMail"));
    EXPECT_EQ(person->Primaries().Website, QStringLiteral("Primary Website"));
    EXPECT_TRUE(person->Primaries().Address.isEmpty());
    ASSERT_EQ(ContentCount(person), 2);
    EXPECT_TRUE(Content(node, 0)->Comment().isEmpty()) << "contact points take no comment";
    // The website was named after its label, accepted, and so stays as a node.
    ASSERT_EQ(node->ChildCount(), 1);
    EXPECT_EQ(node->Child(0)->Item()->Title(), QStringLiteral("Primary Website"));
    // Neither name part: refused, whatever the row holds.
    EXPECT_EQ(Import(f, ClassCode::Person, u"Title,First Name,Last Name,Phone Number", "Boss,,,555\n"), 0);
    EXPECT_EQ(f.root->ChildCount(), 1);
}

TEST(CsvImport, RejectedRowsInsideBatchesLeaveNoDanglingSorts)
{
    TreeFixture f;
    // Rejected websites are deleted while their parents' sorts are pending.
    EXPECT_EQ(Import(f, ClassCode::Person, u"Last Name,Website,Title",
                     "Zed,http://z.example,Zed\nAmy,,Amy\nBob,http://b.example,\n"),
              3);
    ASSERT_EQ(f.root->ChildCount(), 3);
    EXPECT_EQ(f.root->Child(0)->Item()->Title(), QStringLiteral(" Bob"));
    EXPECT_EQ(f.root->Child(1)->Item()->Title(), QStringLiteral("Amy"));
    EXPECT_EQ(f.root->Child(1)->ChildCount(), 0);
    EXPECT_EQ(f.root->Child(2)->Item()->Title(), QStringLiteral("Zed"));
    EXPECT_EQ(f.root->Child(2)->ChildCount(), 1);
}

TEST(CsvImport, MissingAndUnreadableFiles)
{
    TreeFixture f;
    Import(f, ClassCode::Phone, u"Title,Phone Number", "Keep,1\n");
    QTemporaryDir dir;
    const QStringList fields = Fields(u"Title,Phone Number");
    EXPECT_EQ(CsvImport::ImportCSV(f.root, dir.filePath(QStringLiteral("none.csv")), ClassCode::Phone, fields,
                                   Separator::Comma),
              -1);
    EXPECT_THROW(CsvImport::ImportCSV(f.root, dir.path(), ClassCode::Phone, fields, Separator::Comma), EReadError);
    // A pipe is refused at once rather than waited on, and a file past the
    // cap before any of it is read; both say why.
    const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString huge = dir.filePath(QStringLiteral("huge.csv"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Lost,1\n");
        ASSERT_TRUE(file.resize((qint64(256) << 20) + 1)); // sparse: no disk is used
    }
    for (const auto& [path, reason] : {std::pair{pipe, u"named pipe"}, std::pair{huge, u"larger than 256 MB"}}) {
        try {
            CsvImport::ImportCSV(f.root, path, ClassCode::Phone, fields, Separator::Comma);
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const EReadError& e) {
            EXPECT_TRUE(e.Message().contains(path) && e.Message().contains(QStringView(reason)))
                << e.Message().toStdString();
        }
    }
    ASSERT_EQ(ContentCount(f.root->Item()), 1);
    EXPECT_EQ(Content(f.root, 0)->Title(), QStringLiteral("Keep"));
}

TEST(CsvImport, RealWorldFilesReadSensibly)
{
    QString corpus = qEnvironmentVariable("ZENDRIVO_CORPUS");
    if (!QDir(corpus + u"/csv").exists())
        corpus = QStringLiteral("/work/shared/corpus");
    const QDir dir(corpus + u"/csv");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus";
    // Exports name the person first and last; the mapping takes the first
    // columns whatever they are, as a user would before choosing better.
    const QStringList fields = Fields(u"First Name,Last Name,Middle Name,Title,Comment");
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        TreeFixture f;
        QElapsedTimer timer;
        timer.start();
        const int taken = CsvImport::ImportCSV(f.root, dir.filePath(name), ClassCode::Person, fields, Separator::Comma);
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_GE(taken, 2) << "the header line and at least one contact";
        EXPECT_EQ(taken, f.root->ChildCount());
        for (const auto& child : f.root->Children()) {
            EXPECT_FALSE(child->Item()->Title().contains(u'\n'));
            EXPECT_FALSE(child->Item()->Title().startsWith(u'"')) << child->Item()->Title().toStdString();
        }
    }
    // The quoted fields spanning lines of the exports end up inside one record.
    TreeFixture f;
    CsvImport::ImportCSV(f.root, dir.filePath(QStringLiteral("thunderbird_export.csv")), ClassCode::Person,
                         Fields(u"First Name,Last Name,Title"), Separator::Comma);
    EXPECT_EQ(f.root->ChildCount(), 3);
    TreeFixture u16;
    CsvImport::ImportCSV(u16.root, dir.filePath(QStringLiteral("thunderbird_import_utf16le.csv")), ClassCode::Person,
                         Fields(u"First Name,Last Name,Title,Comment,E-Mail Address"), Separator::Comma);
    const TTreeNode* john = u16.tree.FindPath(QStringLiteral("My Contacts/John Doe"));
    ASSERT_NE(john, nullptr);
    EXPECT_EQ(static_cast<const TPersonObject*>(john->Item())->Primaries().EMail, QStringLiteral("Primary EMail"));
}
