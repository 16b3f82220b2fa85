#include "ui/dialogs/TFaxEditDlg.h"

#include "model/ClassCodes.h"

TFaxEditDlg::TFaxEditDlg(QWidget* parent)
    : TContactPointDlg(QStringLiteral("Fax"), ClassCode::Fax, new NumberFields(ClassCode::Fax, false, PhoneFormats::Fax()), QStringLiteral("New Fax"), parent),
      m_fields(static_cast<NumberFields*>(FieldsWidget()))
{
}

NumberPageValues TFaxEditDlg::Values() const
{
    return m_fields->Values();
}
