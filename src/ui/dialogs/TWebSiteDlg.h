#pragma once

#include "ui/dialogs/TextFields.h"
#include "ui/dialogs/TContactPointDlg.h"

// "Website" for one item.
class TWebSiteDlg : public TContactPointDlg
{
    Q_OBJECT

public:
    explicit TWebSiteDlg(QWidget* parent = nullptr);

    TextFields* Fields() const { return m_fields; }
    TextPageValues Values() const;

protected:
    QString Refusal() override;

private:
    TextFields* m_fields;
};
