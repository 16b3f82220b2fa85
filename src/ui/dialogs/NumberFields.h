#pragma once

#include "ui/dialogs/ContactDialogValues.h"
#include "ui/dialogs/ContactFields.h"
#include "ui/dialogs/PhoneFormat.h"

class QLabel;

// A phone (with extension) or fax number with its format list: each format
// puts an input mask on the number, "Free Format" removes it.
class NumberFields : public ContactFields
{
    Q_OBJECT

public:
    NumberFields(int classCode, bool titleList, const QList<PhoneFormat>& formats, QWidget* parent = nullptr);

    void Load(const TZVBObject& item) override;
    QList<QWidget*> TabChain() const override;
    NumberPageValues Values() const;

    // Shows or hides the format list and its label; hiding removes the mask.
    void ShowFormats(bool visible);
    // Chooses the format of this name and sets its mask.
    void SelectFormat(const QString& name);
    QString CurrentEditMask() const;
    QLineEdit* NumberEdit() const { return m_number; }
    QComboBox* FormatList() const { return m_formatList; }

private:
    void ApplyFormat(int index);
    void ReformatNumber();

    QList<PhoneFormat> m_formats;
    QLineEdit* m_number;
    QLineEdit* m_extension = nullptr;
    QComboBox* m_formatList;
    QLineEdit* m_comment;
    int m_activeFormat = -1; // the format whose mask is set, -1 for none
};
