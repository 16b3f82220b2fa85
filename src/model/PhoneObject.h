#pragma once

#include "model/ZVBObject.h"

// A phone number, stored as displayed with the literals of its input format.
class TPhoneObject : public TZVBObject
{
public:
    TPhoneObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    const QString& Extension() const { return m_extension; }
    void SetExtension(const QString& extension);

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    bool ImportFields(const QStringList& fieldNames, QStringList& row) override;
    QString ExportField(const QString& fieldName) const override;
    void DefaultAction() override;
    void Dial() override;
    QString VCardLine() const override;

private:
    QString m_extension;
};
