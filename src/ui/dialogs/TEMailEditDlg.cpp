#include "ui/dialogs/TEMailEditDlg.h"

#include "model/ClassCodes.h"

TEMailEditDlg::TEMailEditDlg(QWidget* parent)
    : TContactPointDlg(QStringLiteral("E-Mail"), ClassCode::EMail, new TextFields(ClassCode::EMail, false), QStringLiteral("New E-Mail"), parent),
      m_fields(static_cast<TextFields*>(FieldsWidget()))
{
}

TextPageValues TEMailEditDlg::Values() const
{
    return m_fields->Values();
}
