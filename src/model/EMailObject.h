#pragma once

#include "model/ZVBObject.h"

// An e-mail address; Internet addresses are those with "@".
class TEMailObject : public TZVBObject
{
public:
    TEMailObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    bool ImportFields(const QStringList& fieldNames, QStringList& row) override;
    QString ExportField(const QString& fieldName) const override;
    void DefaultAction() override;
    void SendMail(const QString& attachmentPath) override;
    QString VCardLine() const override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
};
