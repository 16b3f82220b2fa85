#pragma once

#include "model/ZVBObject.h"

// A fax number, stored as displayed.
class TFaxObject : public TZVBObject
{
public:
    TFaxObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    bool ImportFields(const QStringList& fieldNames, QStringList& row) override;
    QString ExportField(const QString& fieldName) const override;
    void DefaultAction() override;
    void SendFax(const QString& attachmentPath) override;
    void Dial() override;
    QString VCardLine() const override;
};
