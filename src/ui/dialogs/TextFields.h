#pragma once

#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/ContactFields.h"

// An e-mail address or a website: title, the address and a comment. The
// site address is an editable list of schemes, "http://" at first.
class TextFields : public ContactFields
{
    Q_OBJECT

public:
    TextFields(int classCode, bool titleList, QWidget* parent = nullptr);

    void Load(const TZVBObject& item) override;
    QList<QWidget*> TabChain() const override;
    TextPageValues Values() const;
    void SetValue(const QString& value);

private:
    QLineEdit* m_mail = nullptr;
    QComboBox* m_web = nullptr;
    QLineEdit* m_comment;
};
