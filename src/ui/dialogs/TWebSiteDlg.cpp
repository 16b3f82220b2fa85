#include "ui/dialogs/TWebSiteDlg.h"

#include "model/ClassCodes.h"
#include "ui/dialogs/ItemDialogValues.h"

TWebSiteDlg::TWebSiteDlg(QWidget* parent)
    : TContactPointDlg(QStringLiteral("Website"), ClassCode::Website, new TextFields(ClassCode::Website, false), QStringLiteral("New Website"), parent),
      m_fields(static_cast<TextFields*>(FieldsWidget()))
{
}

TextPageValues TWebSiteDlg::Values() const
{
    return m_fields->Values();
}

QString TWebSiteDlg::Refusal()
{
    return WebsiteRefusal(Values().value, true);
}
