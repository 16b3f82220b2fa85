#include "ui/dialogs/TEditAddressDlg.h"

#include "model/ClassCodes.h"

TEditAddressDlg::TEditAddressDlg(QWidget* parent)
    : TContactPointDlg(QStringLiteral("Address"), ClassCode::Address, new AddressFields(false), QStringLiteral("New Address"), parent),
      m_fields(static_cast<AddressFields*>(FieldsWidget()))
{
}

AddressPageValues TEditAddressDlg::Values() const
{
    return m_fields->Values();
}
