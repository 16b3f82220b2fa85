#pragma once

#include <QString>
#include <QStringList>

class ItemRef;
class ListMenuMask;
class TZVBObject;

// The five preferred contact points of a person or an organization, each
// named by the Title of a child item and resolved by title and class code on
// every use, so a dangling or empty link resolves to nothing.
struct PrimaryLinks
{
    QString Address;
    QString Phone;
    QString Fax;
    QString EMail;
    QString Website;

    TZVBObject* ResolveAddress(const TZVBObject* owner) const;
    TZVBObject* ResolvePhone(const TZVBObject* owner) const;
    TZVBObject* ResolveFax(const TZVBObject* owner) const;
    TZVBObject* ResolveEMail(const TZVBObject* owner) const;
    TZVBObject* ResolveWebsite(const TZVBObject* owner) const;

    // The link of a contact-point class code, or null for other codes.
    QString* ForClass(int classCode);
    bool IsPrimaryTitle(const QString& title) const;

    // Open always; mail, fax, dial and browse when their link is set.
    void AdjustListMenu(ListMenuMask& menu) const;
    // Asks the resolved address, phone, fax, e-mail and website in turn;
    // a lone comma (an empty column) when none answers.
    QString ExportField(const TZVBObject* owner, const QString& fieldName) const;
    // Creates the owner's contact points from a delimited row (the row's
    // "Comment" is blanked first) and links those that accept it.
    void ImportContactPoints(TZVBObject* owner, const QStringList& fieldNames, QStringList row);

    // The details-line fields in stored order.
    QStringList Fields() const { return {Address, Phone, Fax, EMail, Website}; }
};
