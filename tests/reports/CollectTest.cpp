// What each report collects from a subtree, and in which order.
#include "ReportTree.h"

#include "reports/AddrBookForm.h"
#include "reports/LabelForm.h"
#include "reports/ListingForm.h"
#include "reports/ReminderForm.h"
#include "reports/SimpleForm.h"

#include "model/ReminderObject.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

template <typename T> QStringList Titles(const std::vector<const T*>& items)
{
    QStringList titles;
    for (const T* item : items)
        titles.append(item->Title());
    return titles;
}

template <typename E> QStringList Keys(const std::vector<E>& entries)
{
    QStringList keys;
    for (const E& entry : entries)
        keys.append(entry.key);
    return keys;
}

class CollectTest : public ::testing::Test, public ReportTree
{
protected:
    void SetUp() override
    {
        business = Folder(QStringLiteral("Business"), root);
        acme = Org(QStringLiteral("Acme"), business);
        Address(acme, QStringLiteral("Home"), QStringLiteral("1 Main St"), QStringLiteral("Springfield"));
        Phone(acme, QStringLiteral("Phone"), QStringLiteral("555-0100"));
        zoe = Person(QStringLiteral("Zoe"), QStringLiteral("Zoe"), QString(), QStringLiteral("zimmer"), acme);
        Address(zoe, QStringLiteral("Home"), QStringLiteral("9 Elm"), QStringLiteral("Shelbyville"));
        hidden = Person(QStringLiteral("Hidden Hal"), QStringLiteral("Hal"), QString(), QStringLiteral("Hidden"),
                        business);
        Address(hidden, QStringLiteral("Hal's flat"), QStringLiteral("3 Oak"), QString());
        Phone(hidden, QStringLiteral("Hal's phone"), QStringLiteral("555-0199"));
        Address(business, QStringLiteral("Post box"), QStringLiteral("PO Box 7"), QStringLiteral("Capital City"));
        friends = Folder(QStringLiteral("Friends"), root);
        adam = Person(QStringLiteral("Adam"), QStringLiteral("Adam"), QStringLiteral("B"), QStringLiteral("adams"),
                      friends);
        Phone(adam, QStringLiteral("Phone"), QStringLiteral("555-0123"));
    }

    ItemFilter filter = [](const TZVBObject& item) { return Passes(item); };
    TTreeNode* business = nullptr;
    TTreeNode* acme = nullptr;
    TTreeNode* zoe = nullptr;
    TTreeNode* hidden = nullptr;
    TTreeNode* friends = nullptr;
    TTreeNode* adam = nullptr;
};

TEST_F(CollectTest, ListingLeavesOutTheStartAndHiddenItems)
{
    // Tree order below the root, folders and hidden persons passed over.
    EXPECT_EQ(Titles(TListingForm::Collect(*root, filter)),
              (QStringList{u"Acme"_s, u"Zoe"_s, u"Adam"_s}));
    // The start node is not listed, so a lone person gives an empty list.
    EXPECT_TRUE(TListingForm::Collect(*zoe, filter).empty());
    // Without a filter the hidden person comes back.
    EXPECT_EQ(Titles(TListingForm::Collect(*business, {})), (QStringList{u"Acme"_s, u"Zoe"_s, u"Hidden Hal"_s}));
}

TEST_F(CollectTest, ListingRowTakesThePrimaryContactPoints)
{
    const TListingForm::Row row = TListingForm::MakeRow(*acme->Item());
    EXPECT_EQ(row.name, u"Acme"_s);
    // The address block begins with the name; the city and postal lines
    // stand even when parts are empty.
    EXPECT_EQ(row.address, (QStringList{u"Acme"_s, u"1 Main St"_s, u"Springfield, CA"_s, u"94000 USA"_s}));
    EXPECT_EQ(row.phone, u"555-0100"_s);
    EXPECT_EQ(row.fax, u""_s);
    const TListingForm::Row bare = TListingForm::MakeRow(*adam->Item());
    EXPECT_EQ(bare.address, (QStringList{u"Adam"_s, u", "_s, u" "_s}));
    EXPECT_EQ(bare.phone, u"555-0123"_s);
}

TEST_F(CollectTest, AddressBookSortsKeysWithoutRegardToCase)
{
    const auto entries = TAddrBookForm::Collect(*root, filter);
    // Persons by "last, first middle", organizations by name, and the
    // addresses and phones of other nodes (a hidden person's included) by title.
    EXPECT_EQ(Keys(entries), (QStringList{u"Acme"_s, u"adams, Adam B"_s, u"Hal's flat"_s, u"Hal's phone"_s, u"Post box"_s,
                                          u"zimmer, Zoe"_s}));
}

TEST_F(CollectTest, AddressBookGroupsLettersWithoutRegardToCase)
{
    // "Adam", "alice", "Anna" share one group, printed as "A".
    EXPECT_EQ(TAddrBookForm::GroupLetter(QStringLiteral("alice")), u"A"_s);
    EXPECT_EQ(TAddrBookForm::GroupLetter(QStringLiteral("Anna")), u"A"_s);
    EXPECT_EQ(TAddrBookForm::GroupLetter(QString()), u""_s);

    Person(QStringLiteral("alice"), QStringLiteral("x"), QString(), QStringLiteral("alice"), friends);
    Person(QStringLiteral("Anna"), QStringLiteral("y"), QString(), QStringLiteral("Anna"), friends);
    TAddrBookOptions options;
    options.sheet.font = QFont();
    TAddrBookForm book(*friends, filter, options);
    int groups = 0;
    QStringList letters;
    for (const TReportPage& page : book.Report().LayoutPages())
        for (const TReportItem& item : page.items)
            if (item.background.isValid()) {
                ++groups;
                letters.append(item.lines.value(0).trimmed());
            }
    EXPECT_EQ(groups, 1);
    EXPECT_EQ(letters, QStringList{u"A"_s});
}

TEST_F(CollectTest, AddressBookRecordsForEachKind)
{
    const auto entries = TAddrBookForm::Collect(*business, filter);
    for (const auto& entry : entries) {
        const TAddrBookForm::Record record = TAddrBookForm::MakeRecord(entry);
        if (entry.key == u"Hal's phone") {
            EXPECT_EQ(record.phone, u"555-0199"_s);
            EXPECT_TRUE(record.address.isEmpty()); // phones never get an address
        } else if (entry.key == u"Hal's flat") {
            EXPECT_EQ(record.phone, u""_s);
            // No city: the city line is left out, the postal line stays.
            EXPECT_EQ(record.address, (QStringList{u"3 Oak"_s, u"94000 USA"_s}));
        } else if (entry.key == u"Acme") {
            EXPECT_EQ(record.phone, u"555-0100"_s);
            EXPECT_EQ(record.address.value(1), u"Springfield, CA"_s);
        }
    }
    // A person with no address at all gets no address lines.
    const auto adams = TAddrBookForm::Collect(*adam, filter);
    ASSERT_EQ(adams.size(), 1u);
    EXPECT_TRUE(TAddrBookForm::MakeRecord(adams[0]).address.isEmpty());
}

TEST_F(CollectTest, LabelsInTreeOrderFromPrimaryAddresses)
{
    const auto entries = TLabelForm::Collect(*root, filter);
    // Persons by full name, organizations by title, loose addresses (also a
    // hidden person's) by title; phones never.
    EXPECT_EQ(Keys(entries), (QStringList{u"Post box"_s, u"Acme"_s, u"Zoe zimmer"_s, u"Hal's flat"_s, u"Adam adams"_s}));
    EXPECT_EQ(TLabelForm::Lines(entries[2]), (QStringList{u"Zoe zimmer"_s, u"9 Elm"_s, u"Shelbyville, CA"_s, u"94000 USA"_s}));
    // A selected person on its own still makes its label.
    EXPECT_EQ(Keys(TLabelForm::Collect(*zoe, filter)), QStringList{u"Zoe zimmer"_s});
}

TEST_F(CollectTest, RemindersWithinTheRangeByDate)
{
    Reminder(adam, QStringLiteral("Birthday"), 2026, 5, 31, QStringLiteral("cake"));
    Reminder(acme->Parent(), QStringLiteral("Taxes"), 2026, 4, 15);
    Reminder(zoe, QStringLiteral("Too late"), 2026, 6, 1);
    Reminder(zoe, QStringLiteral("Too early"), 2026, 3, 31);
    Reminder(hidden, QStringLiteral("Hidden date"), 2026, 5, 1);
    const QDate from(2026, 4, 1), to(2026, 5, 31);
    const auto records = TReminderForm::Collect(*root, filter, from, to);
    // A reminder dated on the last day counts; hidden ones do not.
    EXPECT_EQ(Titles(records), (QStringList{u"Taxes"_s, u"Birthday"_s}));
    const TReminderForm::Row birthday = TReminderForm::MakeRow(*records[1]);
    EXPECT_EQ(birthday.date, u"5/31/26"_s);
    EXPECT_EQ(birthday.contact, u"Adam (Adam adams)"_s);
    EXPECT_EQ(birthday.comment, u"cake"_s);
    EXPECT_EQ(TReminderForm::MakeRow(*records[0]).contact, u"Business"_s);
}

TEST_F(CollectTest, SimpleListFollowsEachNodeWithItsContents)
{
    EXPECT_EQ(Titles(TSimpleForm::Collect(*acme, filter)), (QStringList{u"Acme"_s, u"Home"_s, u"Phone"_s, u"Zoe"_s, u"Home"_s}));
    // A hidden node is left out but what it holds is not.
    EXPECT_EQ(Titles(TSimpleForm::Collect(*hidden, filter)), (QStringList{u"Hal's flat"_s, u"Hal's phone"_s}));
}

TEST_F(CollectTest, LastChildCoversOnlyItsOwnSubtree)
{
    // Zulu is Business's last child and Friends follows it in the flat
    // list; printing Zulu must stop at the end of its own subtree.
    TTreeNode* last = Org(QStringLiteral("Zulu"), business);
    ASSERT_EQ(business->Child(business->ChildCount() - 1), last);
    Person(QStringLiteral("Lonely"), QStringLiteral("L"), QString(), QStringLiteral("L"), last);
    EXPECT_EQ(Titles(TListingForm::Collect(*last, filter)), QStringList{u"Lonely"_s});
    EXPECT_EQ(Titles(TSimpleForm::Collect(*last, filter)), (QStringList{u"Zulu"_s, u"Lonely"_s}));
    EXPECT_EQ(Keys(TLabelForm::Collect(*last, filter)), (QStringList{u"Zulu"_s, u"L L"_s}));
}

} // namespace
