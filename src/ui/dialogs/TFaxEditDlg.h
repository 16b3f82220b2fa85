#pragma once

#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/TContactPointDlg.h"

// "Fax" for one item.
class TFaxEditDlg : public TContactPointDlg
{
    Q_OBJECT

public:
    explicit TFaxEditDlg(QWidget* parent = nullptr);

    NumberFields* Fields() const { return m_fields; }
    NumberPageValues Values() const;

private:
    NumberFields* m_fields;
};
