#include "TreeFixture.h"

#include "exchange/CsvImport.h"
#include "exchange/DelimitedExport.h"
#include "exchange/DelimitedText.h"
#include "exchange/RecordTypes.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/PersonObject.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Fields(std::initializer_list<const char16_t*> names)
{
    QStringList list;
    for (const char16_t* n : names)
        list.append(QString::fromUtf16(n));
    return list;
}

// A person with a primary phone and the given name parts.
TTreeNode* Person(TreeFixture& f, const QString& title, TTreeNode* parent, const QString& phone)
{
    TTreeNode* node = f.Container(ClassCode::Person, title, parent);
    auto* person = static_cast<TPersonObject*>(node->Item());
    person->SetNameParts(QString(), title.section(u' ', 0, 0), QString(), title.section(u' ', 1));
    if (!phone.isEmpty()) {
        f.Leaf(ClassCode::Phone, QStringLiteral("Work"), phone, node, QStringLiteral("{Phon}12~~0"));
        person->Primaries().Phone = QStringLiteral("Work");
    }
    return node;
}

} // namespace

TEST(DelimitedExport, PersonWithoutPrimaryWebsiteGivesEmptyLastColumn)
{
    TreeFixture f;
    Person(f, QStringLiteral("Ann Lee"), f.root, QStringLiteral("555-1234"));
    const DelimitedLayout layout{ClassCode::Person, Fields({u"Title", u"Phone Number", u"Website"}), false};
    EXPECT_EQ(DelimitedExport::Text(*f.root, layout), QStringLiteral("\"Ann Lee\",\"555-1234\",\r\n"));

    // Every row holds exactly the chosen fields, even when a leaf answers none.
    TreeFixture g;
    g.Leaf(ClassCode::Phone, QStringLiteral("Desk"), QStringLiteral("1"), g.root);
    const DelimitedLayout phones{ClassCode::Phone, Fields({u"Website", u"Title", u"City"}), false};
    EXPECT_EQ(DelimitedExport::Text(*g.root, phones), QStringLiteral(",\"Desk\",\r\n"));
    // A single field without a value makes an empty row, which is left out.
    const DelimitedLayout webOnly{ClassCode::Person, Fields({u"Website"}), false};
    EXPECT_EQ(DelimitedExport::Text(*f.root, webOnly), QString());
}

TEST(DelimitedExport, ChosenLeavesAreFoundInContentsOfEveryItem)
{
    TreeFixture f;
    TTreeNode* folder = f.Container(ClassCode::Folder, QStringLiteral("Work"), f.root);
    Person(f, QStringLiteral("Ann Lee"), folder, QStringLiteral("111"));
    // Tree order: Ann comes first, as created.
    TTreeNode* org = f.Container(ClassCode::Organization, QStringLiteral("Acme"), folder);
    f.Leaf(ClassCode::Phone, QStringLiteral("Main"), QStringLiteral("222"), org);
    f.Leaf(ClassCode::Phone, QStringLiteral("Front desk"), QStringLiteral("333"), folder);
    Person(f, QStringLiteral("Out Side"), f.root, QStringLiteral("999"));

    const DelimitedLayout layout{ClassCode::Phone, Fields({u"Title", u"Phone Number", u"Extension"}), true};
    const QString text = DelimitedExport::Text(*folder, layout);
    EXPECT_EQ(text, QStringLiteral("Title,\"Phone Number\",Extension\r\n"
                                   "\"Front desk\",\"333\",\"\"\r\n"
                                   "\"Work\",\"111\",\"12\"\r\n"
                                   "\"Main\",\"222\",\"\"\r\n"));

    // A hidden item gives no row, but what lies below it still does.
    const ItemFilter hideFolder = [](const TZVBObject& item) { return item.ClassCode() != ClassCode::Folder; };
    const QString filtered = DelimitedExport::Text(*folder, layout, hideFolder);
    EXPECT_FALSE(filtered.contains(u"Front desk"));
    EXPECT_TRUE(filtered.contains(u"\"Main\""));
}

TEST(DelimitedExport, ValuesWithCommasAndQuotesSurviveTheRoundTrip)
{
    TreeFixture f;
    TTreeNode* person = Person(f, QStringLiteral("Ann Lee"), f.root, QStringLiteral("555, ext \"7\""));
    person->Item()->SetTitle(QStringLiteral("Lee, Ann \"the boss\""));
    person->Item()->SetComment(QStringLiteral("likes \"\"tea\"\", coffee,"));
    const RecordType& type = *RecordTypes::Find(u"person");
    const DelimitedLayout layout{ClassCode::Person, type.fields, true};

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    DelimitedExport::ExportSubtree(*f.root, path, layout);

    TreeFixture g;
    EXPECT_EQ(CsvImport::ImportCSV(g.root, path, ClassCode::Person, type.fields, CsvImport::Separator::Comma), 2)
        << "the header line is read as a record too";
    const TTreeNode* copy = g.tree.FindPath(QStringLiteral("My Contacts/Lee, Ann \"the boss\""));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Item()->Comment(), person->Item()->Comment());
    const DelimitedLayout noHeader{ClassCode::Person, type.fields, false};
    EXPECT_EQ(DelimitedExport::Text(*copy, noHeader).replace(QStringLiteral("Primary Phone"), QStringLiteral("Work")),
              DelimitedExport::Text(*person, noHeader));
}

TEST(DelimitedExport, WriteFailureKeepsTheExistingFile)
{
    TreeFixture f;
    Person(f, QStringLiteral("Ann Lee"), f.root, QString());
    const DelimitedLayout layout{ClassCode::Person, Fields({u"Title"}), true};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.csv"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    const ItemFilter failing = [](const TZVBObject&) -> bool { throw EZendrivoError(QStringLiteral("stop")); };
    EXPECT_THROW(DelimitedExport::ExportSubtree(*f.root, path, layout, failing), EZendrivoError);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old contents"));
    try {
        DelimitedExport::ExportSubtree(*f.root, path + u"/below-a-file.csv", layout);
        ADD_FAILURE() << "writing below a file must fail";
    } catch (const EZendrivoError& e) {
        EXPECT_TRUE(e.Message().startsWith(u"Cannot write " + path)) << e.Message().toStdString();
    }
}
