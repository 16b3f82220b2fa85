#pragma once

#include "ui/dialogs/TextFields.h"
#include "ui/dialogs/TContactPointDlg.h"

// "E-Mail" for one item.
class TEMailEditDlg : public TContactPointDlg
{
    Q_OBJECT

public:
    explicit TEMailEditDlg(QWidget* parent = nullptr);

    TextFields* Fields() const { return m_fields; }
    TextPageValues Values() const;

private:
    TextFields* m_fields;
};
