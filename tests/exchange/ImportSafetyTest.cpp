#include "VCardTestSupport.h"
#include "FileBytes.h"

#include "exchange/ExchangeFile.h"
#include "exchange/FavoritesImport.h"
#include "exchange/FileAccess.h"
#include "model/AddressObject.h"
#include "model/Exceptions.h"
#include "model/ItemFactory.h"
#include "model/PersonObject.h"
#include "model/TreeOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
// Every text a card carries, each with the characters that separate values.
const QString kNasty = QStringLiteral("a,b;c\\d \"e\" f");
} // namespace

TEST(VCardEscaping, EveryFieldSurvivesARoundTripWithSeparatorsInIt)
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* node = CreateItem(ClassCode::Person, u"Title " + kNasty, u"Full " + kNasty, 0, QString(), root, QString()).node;
    auto* person = static_cast<TPersonObject*>(node->Item());
    person->SetNameParts(u"Sal " + kNasty, u"First " + kNasty, u"Mid " + kNasty, u"Last " + kNasty);
    person->SetValue(person->FullName());
    auto* address = static_cast<TAddressObject*>(
        CreateItem(ClassCode::Address, u"Home"_qs, QString(), 0, QString(), node, QString()).Item());
    address->SetLines({u"Apt 2, Floor 3"_qs, u"L2 " + kNasty, u"L3 " + kNasty});
    address->SetPlace(u"City " + kNasty, u"State " + kNasty, u"Zip " + kNasty, u"Country " + kNasty);
    CreateItem(ClassCode::Phone, u"Office"_qs, u"+1 555, ext; 9"_qs, 0, QString(), node, QString());
    CreateItem(ClassCode::EMail, u"Mail"_qs, u"\"Ann, Lee\" <ann@example.org>"_qs, 0, QString(), node, QString());
    CreateItem(ClassCode::Fax, u"Fax"_qs, u"+1 555\\0101"_qs, 0, QString(), node, QString());

    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.vcf"_qs);
    person->WriteVCard(path);
    ImportedCards back;
    ASSERT_EQ(back.Import(ReadAll(path)), 1);
    auto* again = static_cast<TPersonObject*>(back.Item(0));
    EXPECT_EQ(again->Title(), person->Title());
    EXPECT_EQ(again->Value(), person->Value());
    EXPECT_EQ(again->Salutation(), person->Salutation());
    EXPECT_EQ(again->FirstName(), person->FirstName());
    EXPECT_EQ(again->MiddleName(), person->MiddleName());
    EXPECT_EQ(again->LastName(), person->LastName());
    auto* addressBack = static_cast<TAddressObject*>(ImportedCards::Leaf(again, ClassCode::Address));
    ASSERT_NE(addressBack, nullptr);
    EXPECT_EQ(addressBack->Lines(), address->Lines());
    EXPECT_EQ(addressBack->City(), address->City());
    EXPECT_EQ(addressBack->State(), address->State());
    EXPECT_EQ(addressBack->PostalCode(), address->PostalCode());
    EXPECT_EQ(addressBack->Country(), address->Country());
    for (int code : {ClassCode::Phone, ClassCode::EMail, ClassCode::Fax}) {
        const TZVBObject* leaf = ImportedCards::Leaf(again, code);
        ASSERT_NE(leaf, nullptr) << code;
        EXPECT_EQ(leaf->Value(), ImportedCards::Leaf(person, code)->Value()) << code;
    }
}

TEST(VCardEscaping, CardsWithoutTheNewEscapesReadAsBefore)
{
    ImportedCards cards;
    ASSERT_EQ(cards.Import("begin:vcard\r\nN:Doe;John\r\nTITLE:\"Doe, John\"\r\nTEL:C:\\dir\\x\r\nend:vcard\r\n"), 1);
    EXPECT_EQ(cards.Item(0)->Title(), u"Doe, John") << "quotes still shield separators";
    EXPECT_EQ(ImportedCards::Leaf(cards.Item(0), ClassCode::Phone)->Value(), u"C:\\dir\\x")
        << "a backslash before other characters stays";
}

TEST(ImportWarnings, ACardCutAtItsLimitSaysSo)
{
    QByteArray bytes = "begin:vcard\r\nN:Many;Phones\r\n";
    for (int i = 0; i < 100000; ++i)
        bytes += "TEL:" + QByteArray::number(i) + "\r\n";
    bytes += "end:vcard\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(u"many.vcf"_qs);
    WriteAll(path, bytes);
    TItemTree tree;
    QStringList warnings;
    EXPECT_EQ(VCardImport::ImportFile(path, tree.CreateRoot(), {}, &warnings), 1);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(u"90001 line(s)")) << warnings.first().toStdString();
}

TEST(ImportWarnings, FoldersBeyondReachAreNamed)
{
    QTemporaryDir dir;
    QString deep = dir.filePath(u"Favorites"_qs);
    ASSERT_TRUE(QDir().mkpath(deep));
    WriteAll(QDir(deep).filePath(u"top.url"_qs), "[InternetShortcut]\r\nURL=http://top.example/\r\n");
    WriteAll(QDir(deep).filePath(u"empty.url"_qs), "[InternetShortcut]\r\n");
    const QString locked = QDir(deep).filePath(u"locked"_qs);
    ASSERT_TRUE(QDir().mkpath(locked));
    WriteAll(QDir(locked).filePath(u"hidden.url"_qs), "[InternetShortcut]\r\nURL=http://hidden.example/\r\n");
    ::chmod(QFile::encodeName(locked).constData(), 0);
    const bool canLock = !QFileInfo(locked).isReadable();
    // Past the walk's depth limit, with or without permissions.
    QString chain = QDir(deep).filePath(u"chain"_qs);
    for (int i = 0; i < 70; ++i)
        chain += u"/d"_qs;
    ASSERT_TRUE(QDir().mkpath(chain));

    TItemTree tree;
    const ImportResult result = ImportFavorites(tree.CreateRoot(), deep);
    ::chmod(QFile::encodeName(locked).constData(), 0700);
    EXPECT_EQ(result.count, canLock ? 1 : 2);
    ASSERT_EQ(result.warnings.size(), 2) << result.warnings.join(u'\n').toStdString();
    EXPECT_TRUE(result.warnings[0].startsWith(canLock ? u"2 folder(s)"_qs : u"1 folder(s)"_qs));
    EXPECT_EQ(result.warnings[0].contains(u"locked"), canLock);
    EXPECT_EQ(result.warnings[1], u"1 shortcut(s) without an address were left out");
}

TEST(ImportWarnings, DamagedExchangeRecordsAreCounted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.zvd"_qs);
    WriteAll(path, "{1 0 }A~~~~~~1\r\n{Fold}0\r\n{0 0 }B~~~~~~2\r\n{Fold}0\r\n{-1 6 }C~~~~~~3\r\n{Phon}~~0\r\n");
    TItemTree tree;
    tree.CreateRoot();
    QStringList warnings;
    EXPECT_EQ(ExchangeFile::ImportExchangeFile(tree, path, &warnings), 1);
    EXPECT_EQ(warnings, QStringList{u"2 damaged record(s) were left out"_qs});
}

TEST(ExportTargets, OnlyRegularFilesAreWrittenOver)
{
    QTemporaryDir dir;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    CreateItem(ClassCode::Folder, u"F"_qs, QString(), 0, QString(), root, QString());

    // A link to something that is not a regular file (a pipe here: a real
    // device would be replaced by a faulty writer) is refused.
    const QString fifo = dir.filePath(u"pipe.zvd"_qs);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString special = dir.filePath(u"special.zvd"_qs);
    ASSERT_TRUE(QFile::link(fifo, special));
    EXPECT_THROW(ExchangeFile::ExportSubtree(*root, special), EZendrivoError);
    EXPECT_TRUE(QFileInfo(special).isSymLink()) << "the link is left alone";
    EXPECT_EQ(QFileInfo(fifo).isFile(), false) << "and so is the pipe";

    EXPECT_THROW(ExchangeFile::ExportSubtree(*root, fifo), EZendrivoError);
    EXPECT_THROW(ExchangeFile::ImportExchangeFile(tree, fifo), EReadError) << "and never read, which would hang";

    // A link to a regular file writes that file and keeps the link.
    const QString real = dir.filePath(u"real.zvd"_qs);
    WriteAll(real, "old");
    const QString link = dir.filePath(u"link.zvd"_qs);
    ASSERT_TRUE(QFile::link(real, link));
    ExchangeFile::ExportSubtree(*root, link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(ReadAll(real).contains("{1 11 }My Contacts"));
}
