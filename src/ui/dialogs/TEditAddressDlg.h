#pragma once

#include "ui/dialogs/AddressFields.h"
#include "ui/dialogs/TContactPointDlg.h"

// "Address" for one item.
class TEditAddressDlg : public TContactPointDlg
{
    Q_OBJECT

public:
    explicit TEditAddressDlg(QWidget* parent = nullptr);

    AddressFields* Fields() const { return m_fields; }
    AddressPageValues Values() const;

private:
    AddressFields* m_fields;
};
