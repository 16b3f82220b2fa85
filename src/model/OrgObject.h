#pragma once

#include "model/PrimaryLinks.h"
#include "model/ZVBObject.h"

// A company or institution, with primary links to its own contact points
// like a person. Its Value stays as created.
class TOrgObject : public TZVBObject
{
public:
    TOrgObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    PrimaryLinks& Primaries() { return m_primaries; }
    const PrimaryLinks& Primaries() const { return m_primaries; }

    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    bool ImportFields(const QStringList& fieldNames, QStringList& row) override;
    QString ExportField(const QString& fieldName) const override;
    void ImportVCard(TCard& card) override;
    void SendMail(const QString& attachmentPath) override;
    void SendFax(const QString& attachmentPath) override;
    void Dial() override;
    void Browse() override;
    void WriteVCard(const QString& path) const override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;
    void WriteHtmlIndexLink(THtmlOut& out, const QString& page) const override;
    // The card WriteVCard writes.
    void BuildCard(TCard& card) const;

private:
    PrimaryLinks m_primaries;
};
