#pragma once

#include "ui/NumberFields.h"
#include "ui/TContactPointDlg.h"

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
