#pragma once

// A realistic tree of about 100,000 items for the benchmarks.
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QString>

// 100 folders x (155 persons with 5 leaves each + 10 organizations with 3 leaves + 20 reminders).
inline void BuildTree(TItemTree& tree)
{
    TTreeNode* root = tree.CreateRoot();
    for (int f = 0; f < 100; ++f) {
        TTreeNode* folder = CreateItem(0, QStringLiteral("Folder %1").arg(f), {}, 0, QStringLiteral("{Fold}0"), root, {}).node;
        for (int p = 0; p < 155; ++p) {
            const QString name = QStringLiteral("Person%1 Surname%2").arg(f * 155 + p).arg(p);
            TTreeNode* person = CreateItem(3, name, u' ' + name, 0,
                QStringLiteral("{Pers}Mr.~~Person~~~~Surname~~Home~~Office~~~~Mail~~~~0"), folder, QStringLiteral("a comment")).node;
            CreateItem(5, QStringLiteral("Home"), QStringLiteral("%1 Main Street").arg(p), 0,
                       QStringLiteral("{Addr}%1 Main Street~~Apt 4~~~~Springfield~~IL~~62701~~USA~~0").arg(p), person, {});
            CreateItem(6, QStringLiteral("Office"), QStringLiteral("(555)123-%1").arg(p, 4, 10, QLatin1Char('0')), 0,
                       QStringLiteral("{Phon}12~~0"), person, {});
            CreateItem(6, QStringLiteral("Cell"), QStringLiteral("(555)987-%1").arg(p, 4, 10, QLatin1Char('0')), 0,
                       QStringLiteral("{Phon}~~0"), person, {});
            CreateItem(7, QStringLiteral("Mail"), QStringLiteral("person%1@example.org").arg(p), 0, QStringLiteral("{Mail}0"), person, {});
            CreateItem(9, QStringLiteral("Birthday"), QStringLiteral("3/15/98"), 0, QStringLiteral("{Remd}2030,3,15,2~~0"), person, {});
        }
        for (int o = 0; o < 10; ++o) {
            TTreeNode* org = CreateItem(1, QStringLiteral("Company %1-%2").arg(f).arg(o), {}, 0,
                                        QStringLiteral("{Orgn}HQ~~Main~~~~~~~~0"), folder, {}).node;
            CreateItem(5, QStringLiteral("HQ"), QStringLiteral("1 Industrial Way"), 0,
                       QStringLiteral("{Addr}1 Industrial Way~~~~~~Metropolis~~NY~~10001~~USA~~0"), org, {});
            CreateItem(6, QStringLiteral("Main"), QStringLiteral("(555)000-0000"), 0, QStringLiteral("{Phon}~~0"), org, {});
            CreateItem(8, QStringLiteral("Fax"), QStringLiteral("(555)000-0001"), 0, QStringLiteral("{Faxs}0"), org, {});
        }
        for (int r = 0; r < 20; ++r)
            CreateItem(9, QStringLiteral("Reminder %1").arg(r), {}, 0, QStringLiteral("{Remd}2030,1,%1,1~~0").arg(r % 28 + 1), folder, {});
    }
}

