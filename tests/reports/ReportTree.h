#pragma once

#include "model/ClassCodes.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A small address book for the report tests. Items whose title begins with
// "Hidden" are the ones the category filter hides.
struct ReportTree
{
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();

    static bool Passes(const TZVBObject& item) { return !item.Title().startsWith(u"Hidden"); }

    TTreeNode* Folder(const QString& title, TTreeNode* parent)
    {
        return CreateItem(ClassCode::Folder, title, QString(), 0, QString(), parent, QString()).node;
    }
    // A person whose primary address and phone are the ones added with
    // the titles "Home" and "Phone".
    TTreeNode* Person(const QString& title, const QString& first, const QString& middle, const QString& last,
                      TTreeNode* parent)
    {
        const QString details = u"{Pers}~~" + first + u"~~" + middle + u"~~" + last + u"~~Home~~Phone~~~~~~~~0";
        return CreateItem(ClassCode::Person, title, u' ' + first + u' ' + last, 0, details, parent, QString()).node;
    }
    TTreeNode* Org(const QString& title, TTreeNode* parent)
    {
        return CreateItem(ClassCode::Organization, title, title, 0, QStringLiteral("{Orgn}Home~~Phone~~~~~~~~0"), parent,
                          QString())
            .node;
    }
    TZVBObject* Address(TTreeNode* holder, const QString& title, const QString& line1, const QString& city,
                        const QString& state = QStringLiteral("CA"), const QString& postal = QStringLiteral("94000"),
                        const QString& country = QStringLiteral("USA"))
    {
        const QString details = u"{Addr}" + line1 + u"~~~~~~" + city + u"~~" + state + u"~~" + postal + u"~~"
            + country + u"~~0";
        return CreateItem(ClassCode::Address, title, QString(), 0, details, holder, QString()).Item();
    }
    TZVBObject* Phone(TTreeNode* holder, const QString& title, const QString& number)
    {
        return CreateItem(ClassCode::Phone, title, number, 0, QString(), holder, QString()).Item();
    }
    TZVBObject* Reminder(TTreeNode* holder, const QString& title, int y, int m, int d, const QString& comment = {})
    {
        const QString details = u"{Remd}" + QStringLiteral("%1,%2,%3,0").arg(y).arg(m).arg(d) + u"~~0";
        return CreateItem(ClassCode::Reminder, title, QString(), 0, details, holder, comment).Item();
    }
};
