#pragma once

#include "ui/dialogs/TOKBottomDlg.h"

class ContactFields;

// The frame of the address, phone, fax, e-mail and website dialogs: one set
// of contact fields with a plain title.
class TContactPointDlg : public TOKBottomDlg
{
    Q_OBJECT

public:
    // Shows the item: a new one only gets the preset title, an existing one
    // its own fields.
    void SetContact(TZVBObject& item, bool isNew);

protected:
    TContactPointDlg(const QString& caption, int classCode, ContactFields* fields, const QString& newTitle,
                     QWidget* parent);
    ContactFields* FieldsWidget() const { return m_fields; }

private:
    ContactFields* m_fields;
    QString m_newTitle;
};
