#pragma once

#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/ContactFields.h"

class QPlainTextEdit;

// Title, the address lines (a memo without wrapping), city, state, postal
// code, country and comment.
class AddressFields : public ContactFields
{
    Q_OBJECT

public:
    explicit AddressFields(bool titleList, QWidget* parent = nullptr);

    void Load(const TZVBObject& item) override;
    QList<QWidget*> TabChain() const override;
    AddressPageValues Values() const;

private:
    void LimitAddress();

    QPlainTextEdit* m_addr;
    QLineEdit* m_city;
    QLineEdit* m_state;
    QLineEdit* m_postCode;
    QLineEdit* m_country;
    QLineEdit* m_comment;
};
