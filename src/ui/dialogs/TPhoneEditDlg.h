#pragma once

#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/TContactPointDlg.h"

// "Phone" for one item.
class TPhoneEditDlg : public TContactPointDlg
{
    Q_OBJECT

public:
    explicit TPhoneEditDlg(QWidget* parent = nullptr);

    NumberFields* Fields() const { return m_fields; }
    NumberPageValues Values() const;

private:
    NumberFields* m_fields;
};
