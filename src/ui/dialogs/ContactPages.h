#pragma once

#include "ui/dialogs/ContactDialogValues.h"

#include <QTabWidget>

class AddressFields;
class NumberFields;
class TextFields;
class TZVBObject;
struct PrimaryLinks;

// The five pages of the person and organization dialogs, one a primary
// contact point.
class ContactPages : public QTabWidget
{
    Q_OBJECT

public:
    explicit ContactPages(QWidget* parent = nullptr);

    // Lists the owner's children on each page and shows its primary ones;
    // an owner without leaves leaves the lists empty.
    void SetUp(const TZVBObject& owner, const PrimaryLinks& links);
    // A new owner: the page titles start as "Primary Address" and so on.
    void PresetNewTitles();
    // New owners see the format lists at "Free Format"; existing ones none.
    void ShowFormats(bool visible);

    ContactPageValues Values() const;
    // Why a page cannot be taken (a website address that is none), showing
    // that page; empty when every page can.
    QString Refusal();
    // The fields of every page in tab order.
    QList<QWidget*> TabChain() const;

    AddressFields* Address() const { return m_address; }
    NumberFields* Phone() const { return m_phone; }
    NumberFields* Fax() const { return m_fax; }
    TextFields* EMail() const { return m_email; }
    TextFields* Website() const { return m_website; }

private:
    AddressFields* m_address;
    NumberFields* m_phone;
    NumberFields* m_fax;
    TextFields* m_email;
    TextFields* m_website;
};
