#pragma once

#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/TOKBottomDlg.h"

class QLineEdit;

// "Custom Tool": title, target address and comment, with the tool's icon.
class TToolEdit : public TOKBottomDlg
{
    Q_OBJECT

public:
    explicit TToolEdit(QWidget* parent = nullptr);

    void SetTool(TZVBObject& tool);
    TextPageValues Values() const;

private:
    QLineEdit* m_title;
    QLineEdit* m_address;
    QLineEdit* m_comment;
};
