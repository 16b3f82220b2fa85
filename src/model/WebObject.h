#pragma once

#include "model/ZVBObject.h"

// A website: a container with its own node, so sites nest; Value is the URL.
class TWebObject : public TZVBObject
{
public:
    TWebObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    bool ImportFields(const QStringList& fieldNames, QStringList& row) override;
    QString ExportField(const QString& fieldName) const override;
    void DefaultAction() override;
    void Browse() override;
    QString VCardLine() const override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
    void WriteHtmlIndexLink(THtmlOut& out, const QString& page) const override;
    bool ListedInHtmlIndex() const override;
};
