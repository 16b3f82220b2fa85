#include "model/PrimaryLinks.h"

#include "model/FieldRow.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/TreeOps.h"
#include "model/ZVBObject.h"

#include <algorithm>

namespace {
TZVBObject* Resolve(const TZVBObject* owner, const QString& title, int code)
{
    ItemRef* ref = FindChild(owner, title, code);
    return ref ? ref->Item() : nullptr;
}
} // namespace

TZVBObject* PrimaryLinks::ResolveAddress(const TZVBObject* owner) const { return Resolve(owner, Address, ClassCode::Address); }
TZVBObject* PrimaryLinks::ResolvePhone(const TZVBObject* owner) const { return Resolve(owner, Phone, ClassCode::Phone); }
TZVBObject* PrimaryLinks::ResolveFax(const TZVBObject* owner) const { return Resolve(owner, Fax, ClassCode::Fax); }
TZVBObject* PrimaryLinks::ResolveEMail(const TZVBObject* owner) const { return Resolve(owner, EMail, ClassCode::EMail); }
TZVBObject* PrimaryLinks::ResolveWebsite(const TZVBObject* owner) const { return Resolve(owner, Website, ClassCode::Website); }

QString* PrimaryLinks::ForClass(int classCode)
{
    switch (classCode) {
    case ClassCode::Address: return &Address;
    case ClassCode::Phone: return &Phone;
    case ClassCode::Fax: return &Fax;
    case ClassCode::EMail: return &EMail;
    case ClassCode::Website: return &Website;
    default: return nullptr;
    }
}

bool PrimaryLinks::IsPrimaryTitle(const QString& title) const
{
    return title == Address || title == Phone || title == Fax || title == EMail || title == Website;
}

void PrimaryLinks::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::Open);
    menu.Show(ListMenuEntry::SendMail, !EMail.isEmpty());
    menu.Show(ListMenuEntry::SendFax, !Fax.isEmpty());
    menu.Show(ListMenuEntry::Dial, !Phone.isEmpty());
    menu.Show(ListMenuEntry::Browse, !Website.isEmpty());
}

QString PrimaryLinks::ExportField(const TZVBObject* owner, const QString& fieldName) const
{
    for (TZVBObject* point : {ResolveAddress(owner), ResolvePhone(owner), ResolveFax(owner), ResolveEMail(owner),
                              ResolveWebsite(owner)}) {
        if (!point)
            continue;
        const QString cell = point->ExportField(fieldName);
        if (!cell.isEmpty())
            return cell;
    }
    return QStringLiteral(",");
}

void PrimaryLinks::ImportContactPoints(TZVBObject* owner, const QStringList& fieldNames, QStringList row)
{
    TTreeNode* node = owner->Node();
    if (!node || node->Item() != owner)
        return;
    FieldRow::Set(fieldNames, row, QStringLiteral("Comment"), QString());
    // Without a "Title" position the labels travel in one of their own, so
    // that the contact points are still named after their kind.
    QStringList names = fieldNames;
    if (!FieldRow::Value(names, row, QStringLiteral("Title"))) {
        // Fields beyond the row are missing anyway; dropping them keeps the
        // positions of the others.
        const qsizetype present = std::min(names.size(), row.size());
        names = names.mid(0, present);
        row = row.mid(0, present);
        names.append(QStringLiteral("Title"));
        row.append(QString());
    }
    // A kind whose own column is missing would reject the row anyway;
    // passing it over saves creating and deleting an item per row.
    static const struct { int code; const char16_t* label; const char16_t* needs; } kinds[] = {
        {ClassCode::Address, u"Primary Address", u"Address Line 1"},
        {ClassCode::Phone, u"Primary Phone", u"Phone Number"},
        {ClassCode::Fax, u"Primary Fax", u"Fax Number"},
        {ClassCode::EMail, u"Primary EMail", u"E-Mail Address"},
        {ClassCode::Website, u"Primary Website", u"Website"}};
    for (const auto& kind : kinds) {
        if (!FieldRow::Value(names, row, QStringView(kind.needs)))
            continue;
        const QString label = QString::fromUtf16(kind.label);
        FieldRow::Set(names, row, QStringLiteral("Title"), label);
        ItemHandle child = CreateItem(kind.code, QStringLiteral("New"), QString(), 0, QString(), node, QString());
        if (child.Item()->ImportFields(names, row)) {
            *ForClass(kind.code) = label;
        } else if (child.node) {
            node->Tree()->DeleteNode(child.node);
        } else {
            DeleteContent(owner, child.ref);
        }
    }
}
