#include "TreeBuilder.h"

#include "model/AddressObject.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/PhoneObject.h"
#include "model/TreeOps.h"
#include "ui/dialogs/AddressFields.h"
#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/ContactPages.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/TEditPersDlg.h"
#include "ui/dialogs/TextFields.h"
#include "ui/dialogs/TitleWords.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class ContactDialogTest : public ::testing::Test
{
protected:
    TZVBObject* Child(TZVBObject* owner, const QString& title, int code)
    {
        ItemRef* ref = FindChild(owner, title, code);
        return ref ? ref->Item() : nullptr;
    }

    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* personNode = AddContainer(root, ClassCode::Person, u"New Person"_s);
    TPersonObject& person = *static_cast<TPersonObject*>(personNode->Item());
};

PersonDialogValues Filled()
{
    PersonDialogValues v;
    v.salutation = u"Dr."_s;
    v.firstName = u"Jane"_s;
    v.middleName = u"Q"_s;
    v.lastName = u"Doe"_s;
    v.title = u"Jane Doe"_s;
    v.comment = u"met at the fair"_s;
    v.pages.address = {u"Home"_s, u"1 Main St\nApt 2\nBack door\nFourth"_s, u"Springfield"_s, u"IL"_s, u"62701"_s,
                       u"USA"_s, u"ring twice"_s};
    v.pages.phone = {u"Work"_s, u"(555)123-4567"_s, true, u"12"_s, u"desk"_s};
    v.pages.fax = {u"Office fax"_s, u"(555)123-9999"_s, true, QString(), QString()};
    v.pages.email = {u"Mail"_s, u"jane@example.org"_s, QString()};
    v.pages.website = {u"Site"_s, u"http://example.org"_s, QString()};
    return v;
}
} // namespace

TEST(TitleWordsTest, BlanksAndCommasSeparateAndQuotesGroup)
{
    EXPECT_EQ(TitleWords::Split(u"John Quincy Adams"_s), (QStringList{u"John"_s, u"Quincy"_s, u"Adams"_s}));
    EXPECT_EQ(TitleWords::Split(u"Adams,  John"_s), (QStringList{u"Adams"_s, u"John"_s}));
    EXPECT_EQ(TitleWords::Split(u"\"Mary Ann\" Smith"_s), (QStringList{u"Mary Ann"_s, u"Smith"_s}));
    EXPECT_EQ(TitleWords::Split(u"\"O\"\"Neil\" Pat"_s), (QStringList{u"O\"Neil"_s, u"Pat"_s}));
    EXPECT_TRUE(TitleWords::Split(u" , "_s).isEmpty());
}

TEST(TitleWordsTest, TwoWordsLeaveTheMiddleNameAndOneWordLeavesAll)
{
    QString first = u"f"_s, middle = u"m"_s, last = u"l"_s;
    TitleWords::FillNameParts(u"John Quincy Adams"_s, first, middle, last);
    EXPECT_EQ(QStringList({first, middle, last}), (QStringList{u"John"_s, u"Quincy"_s, u"Adams"_s}));
    TitleWords::FillNameParts(u"John Adams"_s, first, middle, last);
    EXPECT_EQ(QStringList({first, middle, last}), (QStringList{u"John"_s, u"Quincy"_s, u"Adams"_s}));
    middle = u"kept"_s;
    TitleWords::FillNameParts(u"Ann Lee"_s, first, middle, last);
    EXPECT_EQ(QStringList({first, middle, last}), (QStringList{u"Ann"_s, u"kept"_s, u"Lee"_s}));
    TitleWords::FillNameParts(u"Cher"_s, first, middle, last);
    EXPECT_EQ(QStringList({first, middle, last}), (QStringList{u"Ann"_s, u"kept"_s, u"Lee"_s}));
}

TEST_F(ContactDialogTest, LeavingTheTitleOfTheDialogFillsTheNameParts)
{
    TEditPersDlg dialog;
    dialog.SetPerson(person, true);
    dialog.MiddleEdit()->setText(u"Middle"_s);
    dialog.TitleEdit()->setText(u"John Adams"_s);
    dialog.TitleLeft();
    EXPECT_EQ(dialog.FirstEdit()->text(), u"John"_s);
    EXPECT_EQ(dialog.MiddleEdit()->text(), u"Middle"_s);
    EXPECT_EQ(dialog.LastEdit()->text(), u"Adams"_s);
    dialog.TitleEdit()->setText(u"John Quincy Adams"_s);
    dialog.TitleLeft();
    EXPECT_EQ(dialog.MiddleEdit()->text(), u"Quincy"_s);
    // A new person starts with "Mr." and the preset page titles.
    const PersonDialogValues v = dialog.Values();
    EXPECT_EQ(v.salutation, u"Mr."_s);
    EXPECT_EQ(v.pages.address.title, u"Primary Address"_s);
    EXPECT_EQ(v.pages.fax.title, u"Primary FAX"_s);
    EXPECT_EQ(v.pages.email.title, u"Primary E-Mail"_s);
    EXPECT_EQ(v.pages.website.value, u"http://"_s);
    EXPECT_TRUE(dialog.Pages()->Phone()->FormatList()->isVisibleTo(dialog.Pages()->Phone()));
}

TEST_F(ContactDialogTest, ANewPersonTakesNamesAndCreatesItsContactPoints)
{
    ApplyPersonDialog(person, Filled(), true);
    EXPECT_EQ(person.Title(), u"Jane Doe"_s);
    EXPECT_EQ(person.Value(), u"Dr. Jane Doe"_s);
    EXPECT_EQ(person.MiddleName(), u"Q"_s);
    EXPECT_EQ(person.Comment(), u"met at the fair"_s);

    auto* address = dynamic_cast<TAddressObject*>(person.Primaries().ResolveAddress(&person));
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->Title(), u"Home"_s);
    EXPECT_EQ(address->Value(), u"1 Main St"_s);
    EXPECT_EQ(address->Lines().size(), 4);
    EXPECT_EQ(address->PostalCode(), u"62701"_s);
    EXPECT_EQ(address->Comment(), u"ring twice"_s);
    auto* phone = dynamic_cast<TPhoneObject*>(person.Primaries().ResolvePhone(&person));
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(phone->Value(), u"(555)123-4567"_s);
    EXPECT_EQ(phone->Extension(), u"12"_s);
    ASSERT_NE(person.Primaries().ResolveFax(&person), nullptr);
    ASSERT_NE(person.Primaries().ResolveEMail(&person), nullptr);
    TZVBObject* site = person.Primaries().ResolveWebsite(&person);
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(site->Node()->Parent(), personNode);
    EXPECT_EQ(person.Contents().size(), 4u);
}

TEST_F(ContactDialogTest, PagesWithoutTheirMainFieldLeaveChildrenAndLinksAlone)
{
    PersonDialogValues v = Filled();
    v.pages.address.text.clear();
    v.pages.phone.filled = false;
    v.pages.fax.title.clear();
    v.pages.email.value.clear();
    v.pages.website.value = u"example.org"_s;
    ApplyPersonDialog(person, v, true);
    EXPECT_TRUE(person.Contents().empty());
    EXPECT_EQ(personNode->ChildCount(), 0);
    EXPECT_EQ(person.Primaries().Fields(), QStringList(5, QString()));
    // An existing person with an empty address text still updates the address
    // of that title.
    AddLeaf(personNode, ClassCode::Address, u"Home"_s, u"old"_s);
    ApplyPersonDialog(person, v, false);
    EXPECT_EQ(Child(&person, u"Home"_s, ClassCode::Address)->Value(), QString());
    EXPECT_EQ(person.Primaries().Address, u"Home"_s);
}

TEST_F(ContactDialogTest, EditingUpdatesTheChildOfThePageTitleInsteadOfAddingOne)
{
    ApplyPersonDialog(person, Filled(), true);
    PersonDialogValues v = Filled();
    v.pages.phone.number = u"777"_s;
    v.pages.phone.extension.clear();
    ApplyPersonDialog(person, v, false);
    EXPECT_EQ(person.Contents().size(), 4u);
    auto* phone = dynamic_cast<TPhoneObject*>(Child(&person, u"Work"_s, ClassCode::Phone));
    EXPECT_EQ(phone->Value(), u"777"_s);
    EXPECT_TRUE(phone->Extension().isEmpty());
}

TEST_F(ContactDialogTest, ADanglingPrimaryPhoneGetsANewChildUnderThatTitle)
{
    TZVBObject* old = AddLeaf(personNode, ClassCode::Phone, u"Cell"_s, u"111"_s);
    person.Primaries().Phone = u"Cell"_s;
    DeleteContent(&person, person.Contents().front().get());
    (void)old;
    ASSERT_EQ(person.Primaries().ResolvePhone(&person), nullptr);

    TEditPersDlg dialog;
    dialog.SetPerson(person, false);
    // Without leaves the lists stay empty and the pages blank.
    EXPECT_EQ(dialog.Pages()->Phone()->TitleList()->count(), 0);
    dialog.Pages()->Phone()->SetTitle(u"Cell"_s);
    dialog.Pages()->Phone()->NumberEdit()->setText(u"555-0100"_s);
    ApplyPersonDialog(person, dialog.Values(), false);
    TZVBObject* phone = person.Primaries().ResolvePhone(&person);
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(phone->Title(), u"Cell"_s);
    EXPECT_EQ(phone->Value(), u"555-0100"_s);
}

TEST_F(ContactDialogTest, AnExistingPersonShowsItsPrimaryChildrenOnThePages)
{
    ApplyPersonDialog(person, Filled(), true);
    AddLeaf(personNode, ClassCode::Phone, u"Home phone"_s, u"222"_s);
    TEditPersDlg dialog;
    dialog.SetPerson(person, false);
    NumberFields* phone = dialog.Pages()->Phone();
    EXPECT_EQ(phone->TitleList()->count(), 2);
    EXPECT_EQ(phone->Title(), u"Work"_s);
    EXPECT_EQ(phone->Values().number, u"(555)123-4567"_s);
    EXPECT_FALSE(phone->FormatList()->isVisibleTo(phone));
    // Choosing another title fills the page from that child.
    phone->TitleList()->setCurrentIndex(1);
    Q_EMIT phone->TitleList()->textActivated(u"Home phone"_s);
    EXPECT_EQ(phone->Values().number, u"222"_s);
    EXPECT_EQ(dialog.Pages()->Address()->Values().text, u"1 Main St\nApt 2\nBack door\nFourth"_s);
    EXPECT_EQ(dialog.Values().salutation, u"Dr."_s);
    EXPECT_EQ(dialog.Values().title, u"Jane Doe"_s);
}

TEST_F(ContactDialogTest, AnOrganizationKeepsItsValueAndLinksItsChildren)
{
    TTreeNode* orgNode = AddContainer(root, ClassCode::Organization, u"Acme"_s);
    auto& org = *static_cast<TOrgObject*>(orgNode->Item());
    OrgDialogValues v;
    v.title = u"Acme Inc"_s;
    v.comment = u"supplier"_s;
    v.pages = Filled().pages;
    ApplyOrgDialog(org, v, true);
    EXPECT_EQ(org.Title(), u"Acme Inc"_s);
    EXPECT_TRUE(org.Value().isEmpty());
    EXPECT_EQ(org.Primaries().Fields(),
              (QStringList{u"Home"_s, u"Work"_s, u"Office fax"_s, u"Mail"_s, u"Site"_s}));
    EXPECT_EQ(org.Primaries().ResolveEMail(&org)->Value(), u"jane@example.org"_s);
}
