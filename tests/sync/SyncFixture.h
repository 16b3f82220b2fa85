#pragma once

#include "RadicaleTest.h"
#include "TreeBuilder.h"

#include "model/ClassCodes.h"
#include "model/PersonObject.h"
#include "sync/DavClient.h"
#include "sync/FolderSync.h"
#include "sync/Multistatus.h"
#include "sync/SyncState.h"

#include <gtest/gtest.h>

#include <QMap>

// A folder of a tree in memory bound to the empty address book of a fresh
// Radicale, with helpers to look at and change both sides.
class SyncFixture : public RadicaleTest
{
protected:
    void SetUp() override
    {
        RadicaleTest::SetUp();
        if (!Ready())
            return;
        root = tree.CreateRoot();
        folder = AddContainer(root, ClassCode::Folder, QStringLiteral("Phone"));
    }

    TTreeNode* AddPerson(const QString& first, const QString& last, const QString& phone)
    {
        TTreeNode* node = AddContainer(folder, ClassCode::Person, first + u' ' + last);
        static_cast<TPersonObject*>(node->Item())->SetNameParts(QString(), first, QString(), last);
        AddLeaf(node, ClassCode::Phone, QStringLiteral("Cellular"), phone);
        return node;
    }

    TTreeNode* Find(const QString& title) const
    {
        for (const auto& child : folder->Children()) {
            if (child->Item()->Title() == title)
                return child.get();
        }
        return nullptr;
    }

    QStringList Titles() const
    {
        QStringList titles;
        for (const auto& child : folder->Children())
            titles.append(child->Item()->Title());
        titles.sort();
        return titles;
    }

    static QString PhoneOf(const TTreeNode* node)
    {
        for (const auto& ref : node->Item()->Contents()) {
            if (ref->Item()->ClassCode() == ClassCode::Phone)
                return ref->Item()->Value();
        }
        return {};
    }

    SyncCounts Sync(DavClient& client) { return FolderSync::Run(folder, server.Book(), client, state); }
    SyncCounts Sync() { return Sync(alice); }

    // Changes Ann's phone, deletes Bob and adds Eve here, syncs, and checks
    // that exactly those three changes reached the server.
    void ChangeHereAndExpectItOnTheServer(TTreeNode* ann, TTreeNode* bob)
    {
        ann->Item()->Contents().front()->Item()->SetValue(QStringLiteral("101"));
        tree.DeleteNode(bob);
        AddPerson(QStringLiteral("Eve"), QStringLiteral("Stone"), QStringLiteral("300"));
        const SyncCounts counts = Sync();
        EXPECT_EQ(counts.serverUpdated, 1);
        EXPECT_EQ(counts.serverDeleted, 1);
        EXPECT_EQ(counts.serverCreated, 1);
        const QString joined = QStringList(ServerCards().values()).join(QString());
        EXPECT_TRUE(joined.contains(QStringLiteral(":101\r\n")));
        EXPECT_FALSE(joined.contains(QStringLiteral("Bob Jones")));
        EXPECT_TRUE(joined.contains(QStringLiteral("FN:Eve Stone")));
        EXPECT_EQ(ServerCards().size(), 2);
    }

    // The cards on the server by file name ("x.vcf" -> text).
    QMap<QString, QString> ServerCards()
    {
        QMap<QString, QString> cards;
        const DavReply list = admin.Propfind(
            server.Book(), 1,
            "<?xml version=\"1.0\"?><d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
            "<d:prop><d:getetag/></d:prop></d:propfind>");
        Multistatus parsed;
        EXPECT_TRUE(MultistatusParser::Parse(list.body, parsed));
        for (const DavResource& resource : parsed.resources) {
            if (!resource.href.endsWith(u".vcf"))
                continue;
            const DavReply card = admin.Send("GET", server.Book().resolved(QUrl(resource.href)));
            cards.insert(resource.href.section(u'/', -1), QString::fromUtf8(card.body));
        }
        return cards;
    }

    void PutCard(const QString& name, const QString& text)
    {
        const DavReply reply = admin.Send("PUT", server.Book().resolved(QUrl(name)), text.toUtf8(),
                                          {{"Content-Type", "text/vcard"}});
        ASSERT_TRUE(reply.Ok()) << reply.Describe().toStdString();
    }

    void DeleteCard(const QString& name)
    {
        ASSERT_TRUE(admin.Send("DELETE", server.Book().resolved(QUrl(name))).Ok());
    }

    static QString Card(const QString& uid, const QString& first, const QString& last, const QString& phone,
                        const QString& extra = {})
    {
        return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1\r\nN:%3;%2;;;\r\nFN:%2 %3\r\n"
                              "TEL;TYPE=CELL:%4\r\n%5END:VCARD\r\n")
            .arg(uid, first, last, phone, extra);
    }

    DavClient alice{QStringLiteral("alice"), QStringLiteral("secret")};
    TItemTree tree;
    TTreeNode* root = nullptr;
    TTreeNode* folder = nullptr;
    SyncState state;
};
