#include "ui/dialogs/TPhoneEditDlg.h"

#include "model/ClassCodes.h"

TPhoneEditDlg::TPhoneEditDlg(QWidget* parent)
    : TContactPointDlg(QStringLiteral("Phone"), ClassCode::Phone, new NumberFields(ClassCode::Phone, false, PhoneFormats::Phone()), QStringLiteral("New Phone"), parent),
      m_fields(static_cast<NumberFields*>(FieldsWidget()))
{
}

NumberPageValues TPhoneEditDlg::Values() const
{
    return m_fields->Values();
}
